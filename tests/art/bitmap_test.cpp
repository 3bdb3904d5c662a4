// The bitmap converter: the game colour table, colour mapping with dithering, the key
// colour and the title picture's own table, and the exact DIBITMAP layout.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "tools/bmpconv/colour_map.h"
#include "tools/bmpconv/dib_file.h"
#include "tools/bmpconv/png_io.h"

namespace {

RgbaImage Flat(int width, int height, Rgb colour, uint8_t alpha = 255) {
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(size_t(width) * size_t(height) * 4);
  for (size_t i = 0; i < image.pixels.size(); i += 4) {
    image.pixels[i] = colour.r;
    image.pixels[i + 1] = colour.g;
    image.pixels[i + 2] = colour.b;
    image.pixels[i + 3] = alpha;
  }
  return image;
}

void SetPixel(RgbaImage* image, int x, int y, Rgb c, uint8_t alpha = 255) {
  uint8_t* p = &image->pixels[(size_t(y) * size_t(image->width) + size_t(x)) * 4];
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
  p[3] = alpha;
}

bool Same(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(GameTable, SixtyFourColoursAtTheirFixedIndices) {
  const Rgb* table = GameTable();
  EXPECT_TRUE(Same(table[kBlackIndex], Rgb{0, 0, 0}));
  EXPECT_TRUE(Same(table[kWhiteIndex], Rgb{255, 255, 255}));
  EXPECT_TRUE(Same(table[kKeyIndex], Rgb{0, 128, 128}));
  EXPECT_TRUE(Same(table[1], Rgb{128, 0, 0}));      // red varies fastest
  EXPECT_TRUE(Same(table[4], Rgb{0, 128, 0}));
  EXPECT_TRUE(Same(table[224], Rgb{0, 0, 192}));
  std::set<uint32_t> distinct;
  for (int i = 0; i < kTableSize; ++i) {
    const bool inCube = i < 32 || i >= 224;
    if (inCube) {
      distinct.insert(uint32_t(table[i].r) << 16 | table[i].g << 8 | table[i].b);
      EXPECT_EQ(ExactGameIndex(table[i]), i);
    } else {
      EXPECT_TRUE(Same(table[i], Rgb{0, 0, 0})) << i;
    }
  }
  EXPECT_EQ(distinct.size(), 64u);
  EXPECT_EQ(ExactGameIndex(Rgb{1, 0, 0}), -1);
}

TEST(ColourMap, NearestColourAndTransparency) {
  RgbaImage image = Flat(4, 1, Rgb{250, 5, 3});
  SetPixel(&image, 1, 0, Rgb{255, 255, 255}, 0);      // fully transparent
  SetPixel(&image, 2, 0, Rgb{200, 200, 200}, 127);    // mostly transparent edge
  SetPixel(&image, 3, 0, Rgb{190, 130, 5}, 128);      // opaque enough
  IndexedImage out;
  MapImage(image, MapOptions(), &out);
  EXPECT_EQ(out.indices[0], CubeIndex(3, 0, 0));
  EXPECT_EQ(out.indices[1], kKeyIndex);
  EXPECT_EQ(out.indices[2], kKeyIndex);
  EXPECT_EQ(out.indices[3], CubeIndex(2, 1, 0));
}

TEST(ColourMap, DitheringMixesNeighbouringLevelsAndLeavesGameColoursAlone) {
  MapOptions dither;
  dither.dither = true;
  IndexedImage grey;
  MapImage(Flat(16, 16, Rgb{64, 64, 64}), dither, &grey);
  int light = 0;
  for (uint8_t index : grey.indices) {
    ASSERT_TRUE(index == CubeIndex(0, 0, 0) || index == CubeIndex(1, 1, 1)) << int(index);
    light += index != 0;
  }
  EXPECT_EQ(light, 128);  // exactly half of 256 pixels for a colour half way between levels
  IndexedImage plain;
  MapImage(Flat(16, 16, Rgb{64, 64, 64}), MapOptions(), &plain);
  EXPECT_EQ(std::set<uint8_t>(plain.indices.begin(), plain.indices.end()).size(), 1u);
  IndexedImage exact;
  MapImage(Flat(8, 8, Rgb{192, 128, 255}), dither, &exact);
  for (uint8_t index : exact.indices) EXPECT_EQ(index, CubeIndex(2, 1, 3));
}

TEST(ColourMap, SpriteDitheringNeverPunchesHolesWithTheKeyColour) {
  // Half way between black and the key colour: dithering alone would pick the key often.
  MapOptions options;
  options.dither = true;
  IndexedImage loose;
  MapImage(Flat(8, 8, Rgb{0, 64, 64}), options, &loose);
  int keys = 0;
  for (uint8_t index : loose.indices) keys += index == kKeyIndex;
  EXPECT_GT(keys, 0);
  options.sprite = true;
  IndexedImage sprite;
  MapImage(Flat(8, 8, Rgb{0, 64, 64}), options, &sprite);
  for (uint8_t index : sprite.indices) EXPECT_NE(index, kKeyIndex);
  // Drawn key colour stays transparent in a sprite.
  IndexedImage key;
  MapImage(Flat(4, 4, Rgb{0, 128, 128}), options, &key);
  for (uint8_t index : key.indices) EXPECT_EQ(index, kKeyIndex);
}

TEST(ColourMap, OwnTableKeepsGameColoursAndAddsThePicturesShades) {
  RgbaImage image = Flat(64, 4, Rgb{255, 0, 0});
  for (int x = 0; x < 64; ++x) SetPixel(&image, x, 1, Rgb{uint8_t(100 + x), uint8_t(50 + x / 2), 20});
  MapOptions options;
  options.ownTable = true;
  IndexedImage out;
  MapImage(image, options, &out);
  for (int i = 0; i < kTableSize; ++i) {
    if (i < 32 || i >= 224) {
      EXPECT_TRUE(Same(out.table[i], GameTable()[i])) << i;
    }
  }
  EXPECT_EQ(out.indices[0], CubeIndex(3, 0, 0));
  for (int x = 0; x < 64; ++x) {
    const uint8_t index = out.indices[size_t(64 + x)];
    EXPECT_GE(index, 32);
    EXPECT_LT(index, 224);
    const Rgb c = out.table[index];
    EXPECT_LE(std::abs(c.r - (100 + x)) + std::abs(c.g - (50 + x / 2)) + std::abs(c.b - 20), 2);
  }
}

TEST(DibFile, ExactLayoutBottomUpWithPaddedRows) {
  IndexedImage image;
  image.width = 5;
  image.height = 3;
  image.indices = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  std::memcpy(image.table, GameTable(), sizeof image.table);
  const std::vector<uint8_t> bytes = EncodeDib(image);
  ASSERT_EQ(bytes.size(), 1078u + 8u * 3u);
  auto u32 = [&bytes](size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
  };
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(u32(2), bytes.size());
  EXPECT_EQ(u32(10), 1078u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(u32(18), 5u);
  EXPECT_EQ(u32(22), 3u);                       // positive: bottom-up
  EXPECT_EQ(u32(26), 1u | 8u << 16);            // planes 1, 8 bits
  EXPECT_EQ(u32(30), 0u);                       // uncompressed
  EXPECT_EQ(u32(34), 24u);
  EXPECT_EQ(u32(46), 0u);                       // biClrUsed
  EXPECT_EQ(bytes[54 + 4 * 20], 128);           // key colour stored blue, green, red
  EXPECT_EQ(bytes[54 + 4 * 20 + 1], 128);
  EXPECT_EQ(bytes[54 + 4 * 20 + 2], 0);
  const uint8_t bottomRow[8] = {11, 12, 13, 14, 15, 0, 0, 0};
  EXPECT_EQ(std::memcmp(&bytes[1078], bottomRow, 8), 0);
  EXPECT_EQ(bytes[1078 + 16], 1);  // the top row comes last

  IndexedImage back;
  std::string error;
  ASSERT_TRUE(DecodeDib(bytes, &back, &error)) << error;
  EXPECT_EQ(back.indices, image.indices);
}

TEST(DibFile, DecoderRefusesOtherLayouts) {
  IndexedImage image;
  image.width = 4;
  image.height = 2;
  image.indices.assign(8, 7);
  std::memcpy(image.table, GameTable(), sizeof image.table);
  const std::vector<uint8_t> good = EncodeDib(image);
  IndexedImage out;
  std::string error;
  std::vector<uint8_t> topDown = good;
  topDown[25] = 0xFF;  // negative height
  topDown[22] = 0xFE;
  topDown[23] = topDown[24] = 0xFF;
  EXPECT_FALSE(DecodeDib(topDown, &out, &error));
  std::vector<uint8_t> rle = good;
  rle[30] = 1;
  EXPECT_FALSE(DecodeDib(rle, &out, &error));
  std::vector<uint8_t> shortTable = good;
  shortTable[46] = 64;
  EXPECT_FALSE(DecodeDib(shortTable, &out, &error));
  std::vector<uint8_t> truncated(good.begin(), good.end() - 1);
  EXPECT_FALSE(DecodeDib(truncated, &out, &error));
}

TEST(PngIo, RoundTripThroughAFile) {
  const uint8_t rgb[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
  const std::string path = testing::TempDir() + "art_roundtrip.png";
  std::string error;
  ASSERT_TRUE(WritePngRgb(path, 2, 2, rgb, &error)) << error;
  RgbaImage image;
  ASSERT_TRUE(ReadPng(path, &image, &error)) << error;
  ASSERT_EQ(image.width, 2);
  ASSERT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels[12], 10);
  EXPECT_EQ(image.pixels[14], 30);
  EXPECT_EQ(image.pixels[15], 255);
  std::remove(path.c_str());
  EXPECT_FALSE(ReadPng(path, &image, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
