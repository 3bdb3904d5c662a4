// Encoding of .cur and .ico files: a directory, then per picture a bitmap header with the
// doubled height, the colour table, the colour (XOR) rows and the transparency (AND) rows,
// all bottom-up.
#include "tools/iconbuild/icon_file.h"

#include <sstream>

#include "tools/bmpconv/colour_map.h"

namespace {

void Put16(std::vector<uint8_t>* out, uint32_t value) {
  out->push_back(uint8_t(value));
  out->push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out->push_back(uint8_t(value >> (8 * i)));
}

void PutInfoHeader(std::vector<uint8_t>* out, int size, int bits, uint32_t imageBytes) {
  Put32(out, 40);
  Put32(out, uint32_t(size));
  Put32(out, uint32_t(size * 2));  // colour rows and mask rows together
  Put16(out, 1);
  Put16(out, uint32_t(bits));
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
}

// Rows of one bit per pixel, bottom row first, each padded to 4 bytes.
template <typename BitAt>
void PutBitRows(std::vector<uint8_t>* out, int size, BitAt bitAt) {
  const int stride = (size + 31) / 32 * 4;
  for (int y = size - 1; y >= 0; --y) {
    for (int byte = 0; byte < stride; ++byte) {
      uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = byte * 8 + bit;
        if (x < size && bitAt(x, y)) bits |= uint8_t(0x80 >> bit);
      }
      out->push_back(bits);
    }
  }
}

}  // namespace

bool ParseCursorText(const std::string& text, CursorImage* cursor, std::string* error) {
  *cursor = CursorImage();
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  int row = 0;
  bool hotspot = false;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.compare(0, 8, "hotspot ") == 0) {
      std::istringstream in(line.substr(8));
      if (!(in >> cursor->hotX >> cursor->hotY) || cursor->hotX < 0 ||
          cursor->hotX >= kCursorSize || cursor->hotY < 0 || cursor->hotY >= kCursorSize) {
        *error = "line " + std::to_string(number) + ": hotspot needs X and Y from 0 to 31";
        return false;
      }
      hotspot = true;
      continue;
    }
    if (row == kCursorSize || line.size() != size_t(kCursorSize)) {
      *error = "line " + std::to_string(number) + ": expected 32 rows of 32 pixels";
      return false;
    }
    for (int x = 0; x < kCursorSize; ++x) {
      CursorPixel pixel = CursorPixel::Clear;
      switch (line[size_t(x)]) {
        case '.': pixel = CursorPixel::Clear; break;
        case 'X': pixel = CursorPixel::Black; break;
        case '-': pixel = CursorPixel::White; break;
        case '~': pixel = CursorPixel::Invert; break;
        default:
          *error = "line " + std::to_string(number) + ": unknown pixel '" +
                   std::string(1, line[size_t(x)]) + "'";
          return false;
      }
      cursor->pixels[row][x] = pixel;
    }
    ++row;
  }
  if (!hotspot || row != kCursorSize) {
    *error = "a cursor needs a hotspot line and 32 rows";
    return false;
  }
  return true;
}

std::vector<uint8_t> EncodeCursor(const CursorImage& cursor) {
  constexpr uint32_t kMaskBytes = kCursorSize * 4;
  constexpr uint32_t kImageBytes = 40 + 8 + 2 * kMaskBytes;
  std::vector<uint8_t> out;
  Put16(&out, 0);
  Put16(&out, 2);  // cursor
  Put16(&out, 1);
  out.push_back(kCursorSize);
  out.push_back(kCursorSize);
  out.push_back(2);
  out.push_back(0);
  Put16(&out, uint32_t(cursor.hotX));
  Put16(&out, uint32_t(cursor.hotY));
  Put32(&out, kImageBytes);
  Put32(&out, 22);
  PutInfoHeader(&out, kCursorSize, 1, 2 * kMaskBytes);
  Put32(&out, 0x00000000);  // index 0 black
  Put32(&out, 0x00FFFFFF);  // index 1 white
  PutBitRows(&out, kCursorSize, [&cursor](int x, int y) {
    const CursorPixel p = cursor.pixels[y][x];
    return p == CursorPixel::White || p == CursorPixel::Invert;
  });
  PutBitRows(&out, kCursorSize, [&cursor](int x, int y) {
    const CursorPixel p = cursor.pixels[y][x];
    return p == CursorPixel::Clear || p == CursorPixel::Invert;
  });
  return out;
}

bool EncodeIcon(const std::vector<RgbaImage>& sizes, std::vector<uint8_t>* file,
                std::string* error) {
  if (sizes.empty()) {
    *error = "an icon needs at least one picture";
    return false;
  }
  std::vector<std::vector<uint8_t>> images;
  for (const RgbaImage& rgba : sizes) {
    const int size = rgba.width;
    if (rgba.height != size || size < 16 || size > 64 || size % 4 != 0) {
      *error = "icon pictures must be square, 16 to 64 pixels, a multiple of 4 wide";
      return false;
    }
    IndexedImage indexed;
    MapImage(rgba, MapOptions(), &indexed);
    auto clear = [&rgba, size](int x, int y) {
      return rgba.pixels[(size_t(y) * size_t(size) + size_t(x)) * 4 + 3] < kOpaqueAlpha;
    };
    const uint32_t maskBytes = uint32_t((size + 31) / 32 * 4 * size);
    std::vector<uint8_t> image;
    PutInfoHeader(&image, size, 8, uint32_t(size * size) + maskBytes);
    for (int i = 0; i < kTableSize; ++i) {
      image.push_back(indexed.table[i].b);
      image.push_back(indexed.table[i].g);
      image.push_back(indexed.table[i].r);
      image.push_back(0);
    }
    for (int y = size - 1; y >= 0; --y) {
      for (int x = 0; x < size; ++x) {
        // Transparent pixels are black in the colour rows so the AND/XOR pair leaves the
        // screen untouched there.
        image.push_back(clear(x, y) ? 0 : indexed.indices[size_t(y) * size_t(size) + size_t(x)]);
      }
    }
    PutBitRows(&image, size, clear);
    images.push_back(image);
  }
  file->clear();
  Put16(file, 0);
  Put16(file, 1);  // icon
  Put16(file, uint32_t(images.size()));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file->push_back(uint8_t(sizes[i].width));
    file->push_back(uint8_t(sizes[i].width));
    file->push_back(0);  // 256 colours
    file->push_back(0);
    Put16(file, 1);
    Put16(file, 8);
    Put32(file, uint32_t(images[i].size()));
    Put32(file, offset);
    offset += uint32_t(images[i].size());
  }
  for (const std::vector<uint8_t>& image : images) {
    file->insert(file->end(), image.begin(), image.end());
  }
  return true;
}
