// The game's fixed colour table and nearest-colour lookups in any 256-entry table.
// Four blue groups of sixteen red-green pairs each, red varying fastest.
#include "tools/bmpconv/game_palette.h"

namespace {

// First index of each blue level's group of sixteen.
constexpr int kBlueGroupStart[4] = {0, 16, 224, 240};

struct TableHolder {
  Rgb entries[kTableSize];
  TableHolder() {
    for (Rgb& e : entries) e = Rgb{0, 0, 0};
    for (int b = 0; b < 4; ++b) {
      for (int g = 0; g < 4; ++g) {
        for (int r = 0; r < 4; ++r) {
          entries[CubeIndex(r, g, b)] = Rgb{kLevels[r], kLevels[g], kLevels[b]};
        }
      }
    }
  }
};

int LevelNumber(uint8_t value) {
  for (int i = 0; i < 4; ++i) {
    if (kLevels[i] == value) return i;
  }
  return -1;
}

}  // namespace

int CubeIndex(int redLevel, int greenLevel, int blueLevel) {
  return kBlueGroupStart[blueLevel] + greenLevel * 4 + redLevel;
}

const Rgb* GameTable() {
  static const TableHolder holder;
  return holder.entries;
}

int NearestIndex(const Rgb* table, int count, Rgb colour) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < count; ++i) {
    const int dr = int(table[i].r) - colour.r;
    const int dg = int(table[i].g) - colour.g;
    const int db = int(table[i].b) - colour.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

int ExactGameIndex(Rgb colour) {
  const int r = LevelNumber(colour.r);
  const int g = LevelNumber(colour.g);
  const int b = LevelNumber(colour.b);
  if (r < 0 || g < 0 || b < 0) return -1;
  return CubeIndex(r, g, b);
}
