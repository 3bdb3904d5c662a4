// The Orlido 2's face as the player sees it, read back from the screen of the running game and
// compared with the game's own face bitmaps: which lamps are lit and what the displays show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// An RGB picture (0x00RRGGBB, row 0 at the top).
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;
  uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// The lamps of the face, each read as lit or unlit.
enum FaceLamp {
  LampLine0, LampLine1, LampLine2, LampLine3, LampLine4,  // bet lines, top to bottom
  LampStop0, LampStop1, LampStop2,                        // STOP lamps of reels 1 to 3
  LampMedals,
  LampBonus0, LampBonus1, LampBonus2,  // BONUS lamps top to bottom (numbers 3, 2, 1)
  LampBigChance,
  LampWait,
  ButtonBet,    // the bet button: "lit" is its pressed look
  ButtonLever,  // the start lever: "lit" is pulled down
  kFaceLamps,
};

// What a lamp shows: its lit look, its unlit look, or neither (a fault, or a redraw caught
// half-way).
enum LampLook { LookUnlit = 0, LookLit = 1, LookNeither = -1 };

// The face bitmaps of the game (502, 601, 603 to 609), taken from the program's resources.
class FaceReference {
 public:
  bool Load(const std::wstring& exe);
  LampLook Lamp(const Picture& screen, FaceLamp lamp) const;
  // A glyph of the displays at a place of the face: 0-9, 10 blank, -1 none of them. The
  // decimal point drawn over the glyph is left out of the comparison and reported apart.
  int Glyph(const Picture& screen, int x, int y, bool* point = nullptr) const;
  // The two-digit displays: medals paid for the last game, and the credit; -1 when unreadable.
  int PaidDisplay(const Picture& screen, bool* point = nullptr) const;
  int CreditDisplay(const Picture& screen) const;
  static const char* LampName(FaceLamp lamp);

 private:
  struct Region {
    int x, y, w, h;
  };
  Region RegionOf(FaceLamp lamp) const;
  // The expected pixel of a lamp's lit look at face point (x, y).
  uint32_t LitPixel(FaceLamp lamp, int x, int y) const;
  uint32_t UnlitPixel(FaceLamp lamp, int x, int y) const;

  Picture face_, lever_, bet_, lines_, stops_, medal_, bonus_, bigChance_, digits_;
  uint32_t linesKey_ = 0, bonusKey_ = 0;
};

// A part of the screen as it shows now, in screen coordinates.
bool CaptureScreenArea(int x, int y, int w, int h, Picture& out);
// The play window's client area (480 x 432) as the screen shows it now.
bool CapturePlayWindow(HWND play, Picture& out);
// Writes the picture as a 24-bit BMP file (to see what a failed check saw).
bool SavePicture(const Picture& picture, const std::string& path);
// Number of pixels in which two pictures differ inside a rectangle.
int Differences(const Picture& a, const Picture& b, int x, int y, int w, int h);
