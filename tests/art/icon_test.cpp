// The cursor and icon builder: the text picture form, hot spots, and the AND/XOR masks of
// .cur and .ico files.
#include <gtest/gtest.h>

#include <string>

#include "tools/iconbuild/icon_file.h"

namespace {

std::string CursorText(int hotX, int hotY, char topLeft, char bottomRight) {
  std::string text = "# test\nhotspot " + std::to_string(hotX) + " " + std::to_string(hotY) + "\n";
  for (int y = 0; y < 32; ++y) {
    std::string row(32, '.');
    if (y == 0) row[0] = topLeft;
    if (y == 31) row[31] = bottomRight;
    text += row + "\n";
  }
  return text;
}

bool Bit(const std::vector<uint8_t>& bytes, size_t rowStart, int x) {
  return bytes[rowStart + size_t(x / 8)] >> (7 - x % 8) & 1;
}

TEST(Cursor, TextFormAndItsMistakes) {
  CursorImage cursor;
  std::string error;
  ASSERT_TRUE(ParseCursorText(CursorText(26, 0, 'X', '-'), &cursor, &error)) << error;
  EXPECT_EQ(cursor.hotX, 26);
  EXPECT_EQ(cursor.pixels[0][0], CursorPixel::Black);
  EXPECT_EQ(cursor.pixels[31][31], CursorPixel::White);
  EXPECT_FALSE(ParseCursorText(CursorText(32, 0, 'X', '-'), &cursor, &error));
  EXPECT_FALSE(ParseCursorText(CursorText(1, 1, 'o', '-'), &cursor, &error));
  EXPECT_EQ(error, "line 3: unknown pixel 'o'");
  std::string shortRow = CursorText(1, 1, '.', '.');
  shortRow.erase(shortRow.find("\n.") + 1, 1);
  EXPECT_FALSE(ParseCursorText(shortRow, &cursor, &error));
  EXPECT_FALSE(ParseCursorText("hotspot 1 1\n", &cursor, &error));
}

TEST(Cursor, FileCarriesTheHotSpotAndBottomUpMasks) {
  CursorImage cursor;
  std::string error;
  ASSERT_TRUE(ParseCursorText(CursorText(19, 3, 'X', '~'), &cursor, &error));
  cursor.pixels[0][1] = CursorPixel::White;
  const std::vector<uint8_t> file = EncodeCursor(cursor);
  ASSERT_EQ(file.size(), 22u + 40u + 8u + 128u + 128u);
  EXPECT_EQ(file[2], 2);                  // cursor, not icon
  EXPECT_EQ(file[6], 32);
  EXPECT_EQ(file[10] | file[11] << 8, 19);  // hot spot in the directory entry
  EXPECT_EQ(file[12] | file[13] << 8, 3);
  EXPECT_EQ(file[22 + 8], 64);            // bitmap height covers both masks
  EXPECT_EQ(file[22 + 14], 1);            // one bit per pixel
  const size_t xorStart = 22 + 40 + 8;
  const size_t andStart = xorStart + 128;
  const size_t topRow = 31 * 4;           // rows are stored bottom-up
  EXPECT_FALSE(Bit(file, xorStart + topRow, 0));  // black: colour 0, opaque
  EXPECT_FALSE(Bit(file, andStart + topRow, 0));
  EXPECT_TRUE(Bit(file, xorStart + topRow, 1));   // white: colour 1, opaque
  EXPECT_FALSE(Bit(file, andStart + topRow, 1));
  EXPECT_FALSE(Bit(file, xorStart + topRow, 2));  // clear: screen kept
  EXPECT_TRUE(Bit(file, andStart + topRow, 2));
  EXPECT_TRUE(Bit(file, xorStart, 31));           // inverted, in the bottom row
  EXPECT_TRUE(Bit(file, andStart, 31));
}

TEST(Icon, EveryPictureWithItsTransparencyMask) {
  std::vector<RgbaImage> sizes;
  for (int size : {16, 32, 48}) {
    RgbaImage image;
    image.width = image.height = size;
    image.pixels.assign(size_t(size * size * 4), 255);  // opaque white
    image.pixels[3] = 0;                                // top-left pixel transparent
    sizes.push_back(image);
  }
  std::vector<uint8_t> file;
  std::string error;
  ASSERT_TRUE(EncodeIcon(sizes, &file, &error)) << error;
  EXPECT_EQ(file[2], 1);
  EXPECT_EQ(file[4], 3);
  size_t expectedOffset = 6 + 3 * 16;
  for (int i = 0; i < 3; ++i) {
    const uint8_t* entry = &file[6 + size_t(i) * 16];
    const int size = 16 * (i + 1);
    EXPECT_EQ(entry[0], size);
    EXPECT_EQ(entry[4], 1);  // planes
    EXPECT_EQ(entry[6], 8);  // bits per pixel
    const uint32_t bytes = entry[8] | entry[9] << 8 | entry[10] << 16;
    const uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16;
    EXPECT_EQ(offset, expectedOffset);
    const size_t maskStride = size_t((size + 31) / 32 * 4);
    EXPECT_EQ(bytes, 40u + 1024u + uint32_t(size * size) + uint32_t(maskStride * size_t(size)));
    const size_t pixels = offset + 40 + 1024;
    const size_t topRow = pixels + size_t(size * (size - 1));
    EXPECT_EQ(file[topRow], 0);     // transparent pixel black in the colour rows
    EXPECT_EQ(file[topRow + 1], 255);
    const size_t maskTop = pixels + size_t(size * size) + maskStride * size_t(size - 1);
    EXPECT_TRUE(Bit(file, maskTop, 0));
    EXPECT_FALSE(Bit(file, maskTop, 1));
    expectedOffset += bytes;
  }
  EXPECT_EQ(file.size(), expectedOffset);
  sizes[1].width = 30;
  EXPECT_FALSE(EncodeIcon(sizes, &file, &error));
}

}  // namespace
