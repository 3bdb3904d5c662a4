// The DIBITMAP resource layout: a whole 8-bit BMP file, bottom-up and uncompressed, with a
// 256-entry colour table and biClrUsed 0. Written by the converter, read back for review.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bmpconv/colour_map.h"

constexpr int kDibHeaderBytes = 14 + 40 + 4 * kTableSize;  // 1078: where the pixels start

// Bytes per stored row: the width rounded up to a multiple of 4.
int DibStride(int width);

// The complete file for an indexed picture.
std::vector<uint8_t> EncodeDib(const IndexedImage& image);

// Parses a file written in the layout above; anything else fails with a reason.
bool DecodeDib(const std::vector<uint8_t>& bytes, IndexedImage* image, std::string* error);

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
