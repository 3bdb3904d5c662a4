// Cursor and icon files as windres takes them: .cur with one 32 x 32 monochrome picture and
// its hot spot, .ico with several square 256-colour pictures in the game's colour table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bmpconv/png_io.h"

constexpr int kCursorSize = 32;

// A monochrome cursor picture: per pixel one of the four looks a cursor pixel can have.
enum class CursorPixel : uint8_t { Clear, Black, White, Invert };

struct CursorImage {
  int hotX = 0;
  int hotY = 0;
  CursorPixel pixels[kCursorSize][kCursorSize] = {};  // [row][column], top row first
};

// Parses the text form: a "hotspot X Y" line, then 32 rows of 32 characters ('.' clear,
// 'X' black, '-' white, '~' inverted screen). '#' lines are comments.
bool ParseCursorText(const std::string& text, CursorImage* cursor, std::string* error);

std::vector<uint8_t> EncodeCursor(const CursorImage& cursor);

// One .ico file holding every picture given (square, 16 to 64 pixels, width a multiple of
// 4): colours mapped to the game table, pixels with alpha below half transparent.
bool EncodeIcon(const std::vector<RgbaImage>& sizes, std::vector<uint8_t>* file,
                std::string* error);
