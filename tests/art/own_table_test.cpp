// A picture with a colour table of its own (the title, and the face of game No.4) on the way to
// the screen: what the converter writes, and what the copy into the game-table screen shows.
#include <gtest/gtest.h>

#include "tools/bmpconv/colour_map.h"

namespace {

// What a copy between surfaces whose tables differ does with one entry of the source table:
// the nearest colour of the destination's table, the lowest index on a tie (measured under Wine
// with two 8-bit DIB sections and BitBlt).
int ScreenIndex(const IndexedImage& picture, int index) {
  return NearestIndex(GameTable(), kTableSize, picture.table[index]);
}

RgbaImage Strip(const std::vector<Rgb>& colours) {
  RgbaImage image;
  image.width = int(colours.size());
  image.height = 1;
  for (const Rgb& c : colours) image.pixels.insert(image.pixels.end(), {c.r, c.g, c.b, 255});
  return image;
}

TEST(OwnTable, APictureInGameColoursKeepsTheirIndicesAndReachesTheScreenUnchanged) {
  std::vector<Rgb> all;
  for (int i = 0; i < kTableSize; ++i) {
    if (i < 32 || i >= 224) all.push_back(GameTable()[i]);
  }
  for (bool dither : {false, true}) {
    MapOptions options;
    options.ownTable = true;
    options.dither = dither;
    IndexedImage out;
    MapImage(Strip(all), options, &out);
    for (int i = 0; i < kTableSize; ++i) {
      const Rgb a = out.table[i], b = GameTable()[i];
      EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << "entry " << i << " dither " << dither;
    }
    for (size_t x = 0; x < all.size(); ++x) {
      const int index = out.indices[x];
      EXPECT_EQ(index, ExactGameIndex(all[x])) << "pixel " << x << " dither " << dither;
      // Byte for byte the same picture on the screen: looks cut there match the face.
      EXPECT_EQ(ScreenIndex(out, index), index) << "pixel " << x << " dither " << dither;
    }
  }
}

TEST(OwnTable, ShadesBesideTheGameColoursShowAsTheirNearestGameColour) {
  // A brown, a red half way between black and dark red, a grey half way between two levels.
  const std::vector<Rgb> shades = {{100, 50, 20}, {64, 0, 0}, {160, 160, 160}};
  MapOptions options;
  options.ownTable = true;
  IndexedImage out;
  MapImage(Strip(shades), options, &out);
  for (size_t x = 0; x < shades.size(); ++x) {
    EXPECT_GE(out.indices[x], 32) << "shade " << x << " gets an entry of the picture's own";
    EXPECT_LT(out.indices[x], 224) << "shade " << x;
  }
  // On the screen the drawing's own shades are gone: each becomes a game colour, and a shade
  // half way between two levels becomes the darker one.
  EXPECT_EQ(ScreenIndex(out, out.indices[0]), CubeIndex(1, 0, 0));
  EXPECT_EQ(ScreenIndex(out, out.indices[1]), kBlackIndex);
  EXPECT_EQ(ScreenIndex(out, out.indices[2]), CubeIndex(1, 1, 1));
}

}  // namespace
