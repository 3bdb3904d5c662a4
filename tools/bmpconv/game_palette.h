// The game's 256-entry colour table: 64 colours at fixed indices, the rest black. Every
// bitmap but the title picture carries it, so a pixel byte is a palette index everywhere.
#pragma once

#include <cstdint>

struct Rgb {
  uint8_t r;
  uint8_t g;
  uint8_t b;
};

constexpr int kTableSize = 256;
constexpr int kKeyIndex = 20;     // RGB(0, 128, 128): transparent in sprite artwork
constexpr int kBlackIndex = 0;
constexpr int kWhiteIndex = 255;

// The channel levels the table combines.
constexpr uint8_t kLevels[4] = {0, 128, 192, 255};

// The whole table in index order.
const Rgb* GameTable();

// Index of a colour made of level numbers (0..3 for each channel).
int CubeIndex(int redLevel, int greenLevel, int blueLevel);

// Nearest entry of table (squared RGB distance, lowest index on a tie).
int NearestIndex(const Rgb* table, int count, Rgb colour);

// Index in the game table of an exact game colour, or -1.
int ExactGameIndex(Rgb colour);
