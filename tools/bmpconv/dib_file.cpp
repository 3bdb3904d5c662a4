// Encoding and decoding of DIBITMAP files, little-endian field by field so the layout holds
// on any host.
#include "tools/bmpconv/dib_file.h"

#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>* out, size_t at, uint32_t value) {
  (*out)[at] = uint8_t(value);
  (*out)[at + 1] = uint8_t(value >> 8);
}

void Put32(std::vector<uint8_t>* out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) (*out)[at + size_t(i)] = uint8_t(value >> (8 * i));
}

uint32_t Get16(const std::vector<uint8_t>& in, size_t at) {
  return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8;
}

uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | in[at + size_t(i)];
  return value;
}

}  // namespace

int DibStride(int width) { return (width + 3) / 4 * 4; }

std::vector<uint8_t> EncodeDib(const IndexedImage& image) {
  const int stride = DibStride(image.width);
  const size_t pixelBytes = size_t(stride) * size_t(image.height);
  std::vector<uint8_t> out(kDibHeaderBytes + pixelBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(&out, 2, uint32_t(out.size()));
  Put32(&out, 10, kDibHeaderBytes);
  Put32(&out, 14, 40);
  Put32(&out, 18, uint32_t(image.width));
  Put32(&out, 22, uint32_t(image.height));  // positive: bottom row first
  Put16(&out, 26, 1);
  Put16(&out, 28, 8);
  Put32(&out, 30, 0);  // uncompressed
  Put32(&out, 34, uint32_t(pixelBytes));
  // Resolutions, biClrUsed and biClrImportant stay 0.
  for (int i = 0; i < kTableSize; ++i) {
    const size_t at = 54 + size_t(i) * 4;
    out[at] = image.table[i].b;
    out[at + 1] = image.table[i].g;
    out[at + 2] = image.table[i].r;
  }
  for (int y = 0; y < image.height; ++y) {
    const size_t row = kDibHeaderBytes + size_t(image.height - 1 - y) * size_t(stride);
    for (int x = 0; x < image.width; ++x) {
      out[row + size_t(x)] = image.indices[size_t(y) * size_t(image.width) + size_t(x)];
    }
  }
  return out;
}

bool DecodeDib(const std::vector<uint8_t>& bytes, IndexedImage* image, std::string* error) {
  if (bytes.size() < kDibHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') {
    *error = "not a BMP file";
    return false;
  }
  const int32_t width = int32_t(Get32(bytes, 18));
  const int32_t height = int32_t(Get32(bytes, 22));
  if (Get32(bytes, 14) != 40 || Get16(bytes, 26) != 1 || Get16(bytes, 28) != 8 ||
      Get32(bytes, 30) != 0 || Get32(bytes, 46) != 0) {
    *error = "not an uncompressed 8-bit BMP with a 256-entry table";
    return false;
  }
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
    *error = "size out of range (bottom-up pictures only)";
    return false;
  }
  const size_t stride = size_t(DibStride(width));
  if (Get32(bytes, 2) != bytes.size() ||
      bytes.size() != kDibHeaderBytes + stride * size_t(height)) {
    *error = "file size does not match the picture size";
    return false;
  }
  image->width = width;
  image->height = height;
  for (int i = 0; i < kTableSize; ++i) {
    const size_t at = 54 + size_t(i) * 4;
    image->table[i] = Rgb{bytes[at + 2], bytes[at + 1], bytes[at]};
  }
  image->indices.assign(size_t(width) * size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    const size_t row = kDibHeaderBytes + size_t(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      image->indices[size_t(y) * size_t(width) + size_t(x)] = bytes[row + size_t(x)];
    }
  }
  return true;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes->clear();
  uint8_t buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes->insert(bytes->end(), buffer, buffer + got);
  }
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}
