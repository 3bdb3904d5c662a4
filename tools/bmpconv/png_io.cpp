// PNG input and output through libpng's png_image calls, which report errors by return
// value, so no longjmp crosses our code.
#include "tools/bmpconv/png_io.h"

#include <png.h>

#include <cstring>

bool ReadPng(const std::string& path, RgbaImage* image, std::string* error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    *error = path + ": " + png.message;
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  image->width = int(png.width);
  image->height = int(png.height);
  image->pixels.assign(PNG_IMAGE_SIZE(png), 0);
  if (!png_image_finish_read(&png, nullptr, image->pixels.data(), 0, nullptr)) {
    *error = path + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}

bool WritePngRgb(const std::string& path, int width, int height, const uint8_t* pixels,
                 std::string* error) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = png_uint_32(width);
  png.height = png_uint_32(height);
  png.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&png, path.c_str(), 0, pixels, 0, nullptr)) {
    *error = path + ": " + png.message;
    return false;
  }
  return true;
}
