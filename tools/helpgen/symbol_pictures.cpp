// Cutting the symbol pictures out of the reel bitmap and writing them as PNG files.
#include "tools/helpgen/symbol_pictures.h"

#include "tools/bmpconv/dib_file.h"
#include "tools/bmpconv/png_io.h"

bool CutSymbolPictures(const std::string& bitmapPath, int symbolHeight,
                       const std::vector<int>& codes, const std::string& dir, int* width,
                       std::string* error) {
  std::vector<uint8_t> bytes;
  IndexedImage image;
  if (!ReadFileBytes(bitmapPath, &bytes)) {
    *error = "cannot read " + bitmapPath;
    return false;
  }
  if (!DecodeDib(bytes, &image, error)) return false;
  *width = image.width;
  for (int code : codes) {
    if ((code + 1) * symbolHeight > image.height) {
      *error = bitmapPath + " is " + std::to_string(image.height) + " rows high: no room for symbol " +
               std::to_string(code) + " at " + std::to_string(symbolHeight) + " rows a symbol";
      return false;
    }
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(image.width) * symbolHeight * 3);
    for (int y = code * symbolHeight; y < (code + 1) * symbolHeight; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const Rgb& colour = image.table[image.indices[static_cast<size_t>(y) * image.width + x]];
        rgb.push_back(colour.r);
        rgb.push_back(colour.g);
        rgb.push_back(colour.b);
      }
    }
    std::string path = dir + "/symbol-" + std::to_string(code) + ".png";
    if (!WritePngRgb(path, image.width, symbolHeight, rgb.data(), error)) return false;
  }
  return true;
}
