// Reading and writing PNG pictures with libpng's simplified interface: rendered artwork
// comes in as straight (not premultiplied) RGBA, the contact sheet goes out as RGB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 4, rows top to bottom
};

// Reads a PNG of any kind as 8-bit RGBA. On failure returns false and sets error.
bool ReadPng(const std::string& path, RgbaImage* image, std::string* error);

// Writes 8-bit RGB pixels (width * height * 3, top row first) as a PNG.
bool WritePngRgb(const std::string& path, int width, int height, const uint8_t* pixels,
                 std::string* error);
