// Turning rendered RGBA artwork into palette indices: nearest colour, optional ordered
// dithering, the key colour for transparency, and the title picture's own colour table.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/bmpconv/game_palette.h"
#include "tools/bmpconv/png_io.h"

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> indices;  // width * height, rows top to bottom
  Rgb table[kTableSize];
};

struct MapOptions {
  bool dither = false;    // 8 x 8 ordered dithering instead of plain nearest colour
  bool ownTable = false;  // fill entries 32..223 with the picture's own extra colours
  bool sprite = false;    // never let dithering turn an opaque pixel into the key colour
};

// Alpha below this counts as transparent and becomes the key index.
constexpr int kOpaqueAlpha = 128;

// The game table with entries 32..223 (black in the game table) replaced by up to 192
// colours that best cover the picture's opaque pixels that are not game colours already.
void BuildOwnTable(const RgbaImage& image, Rgb table[kTableSize]);

// Maps every pixel of image to an index of the table chosen by options.
void MapImage(const RgbaImage& image, const MapOptions& options, IndexedImage* out);
