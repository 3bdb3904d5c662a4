// Checks of the resources linked into this program, one routine per kind. Each reports its
// failures through Check and needs nothing but the program's own module.
#pragma once

#include <cstdint>

// One DIBITMAP: its pixel size, and whether it carries its own colour table.
struct BitmapExpect {
  int id;
  int width;
  int height;
  bool ownTable;
  int spriteLookHeight;  // 0 for pictures without transparency
};

// One item of a menu walked depth first: a popup has id kPopup, a separator kSeparator.
struct MenuItemExpect {
  int depth;
  const char* text;  // UTF-8
  int id;
};
constexpr int kPopup = -1;
constexpr int kSeparator = 0;

struct DialogExpect {
  int id;
  const char* caption;  // UTF-8; null when the game title is expected
  int pointSize;
  const int* controlIds;  // every id other than -1, in template order
  int controlCount;
};

// The palette bitmap's colour table is exactly the game table of 64 colours.
void CheckPaletteBitmap(int id);
void CheckBitmap(const BitmapExpect& expect);
void CheckStrings(int game);
void CheckMenu(int id, const MenuItemExpect* items, int count);
void CheckDialog(const DialogExpect& expect, const char* gameTitle);
void CheckNoticeDialogStyle(int id);
void CheckCursor(int id, int hotX, int hotY);
void CheckIcon(int id);
void CheckHelpAccelerator(int id);
// A WAVE in the game's format; about `seconds` long, or of any length a sound may have when 0.
void CheckWave(int id, double seconds);
// No WAVE among 701..710 but those listed.
void CheckNoOtherWaves(const int* ids, int count);

struct GameDescription;
struct BitmapSpec;
// What one of the game's own bitmaps must be, as its description says.
BitmapExpect GameBitmapExpect(const GameDescription& game, const BitmapSpec& bitmap);
