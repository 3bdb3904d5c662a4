// The review sheet of a game's bitmaps: every picture at 1:1 and 2:1 beside each other,
// labelled with its resource id, packed in rows on a neutral background.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/bmpconv/colour_map.h"

struct SheetEntry {
  int id;
  IndexedImage image;
};

struct RgbCanvas {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 3
};

// Lays the entries out in id order in rows no wider than maxWidth (wider cells get a row of
// their own) and paints them.
void ComposeSheet(const std::vector<SheetEntry>& entries, int maxWidth, RgbCanvas* canvas);

// Paints a decimal number with the sheet's small digit font, each font pixel scale x scale.
void PaintNumber(RgbCanvas* canvas, int x, int y, int number, int scale, Rgb colour);
