// A game's face as the player sees it, read back from the screen of the running game and
// compared with the looks its description cuts from the game's own bitmaps: which look each
// lamp, display and control shows. The Orlido 2's lamps and displays also by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "presentation/game_description.h"

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

// The looks of the driven game, rebuilt from the program's resources as the game builds them
// at start-up (the description's strips, in order, on a copy of the face).
class FaceReference {
 public:
  bool Load(const std::wstring& exe);

  // The look of a strip shown at (x, y): its row, or -1 when none matches pixel for pixel.
  // Looks alike are reported as the first of them.
  int LookAt(const Picture& screen, int strip, int x, int y) const;
  // The look shown at place `place` of part `part` of the description.
  int PartLook(const Picture& screen, int part, int place) const;
  // The first part drawn with a look rule (a part may be listed twice), or null; and the look
  // shown at one of its places.
  static const PartSpec* PartOfRule(LookRule rule);
  int RuleLook(const Picture& screen, LookRule rule, int place) const;
  // The look a play control (20..25) shows.
  int ControlLook(const Picture& screen, int control) const;
  int StripOf(const char* name) const;
  // The look of a hall strip (built from the hall machine's bitmaps) shown at (x, y) of the
  // hall view; only the columns inside the view are compared.
  int HallLookAt(const Picture& screen, int strip, int x, int y) const;
  // The hall strips are built with the face's; for a reader of the hall alone.
  bool LoadHall(const std::wstring& exe) { return Load(exe); }
  const Picture& Strip(int strip) const { return strips_[strip]; }
  const Picture& Face() const { return face_; }

  // The Orlido 2's lamps (games No.1 and No.6).
  LampLook Lamp(const Picture& screen, FaceLamp lamp) const;
  // A glyph of the displays at a place of the face: 0-9, 10 blank, -1 none of them. The
  // decimal point drawn over the glyph is left out of the comparison and reported apart.
  int Glyph(const Picture& screen, int x, int y, bool* point = nullptr) const;
  // The face has the Orlido 2's two displays (games No.1 and No.6).
  bool HasOrlidoDisplays() const;
  // The two-digit displays: medals paid for the last game, and the credit; -1 when unreadable.
  int PaidDisplay(const Picture& screen, bool* point = nullptr) const;
  int CreditDisplay(const Picture& screen) const;
  static const char* LampName(FaceLamp lamp);

 private:
  struct LampPlace {
    int strip, x, y, unlit, lit;
  };
  LampPlace PlaceOf(FaceLamp lamp) const;
  static bool BuildStrip(HMODULE module, const StripSpec& s, Picture& working, Picture& out);

  Picture face_;
  std::vector<Picture> strips_;
  std::vector<Picture> hallStrips_;
  int digits_ = -1;  // the strip of the Orlido 2's displays
};

// A part of the screen as it shows now, in screen coordinates.
bool CaptureScreenArea(int x, int y, int w, int h, Picture& out);
// The play window's client area (480 x 432) as the screen shows it now.
bool CapturePlayWindow(HWND play, Picture& out);
// Writes the picture as a 24-bit BMP file (to see what a failed check saw).
bool SavePicture(const Picture& picture, const std::string& path);
// Number of pixels in which two pictures differ inside a rectangle.
int Differences(const Picture& a, const Picture& b, int x, int y, int w, int h);

// A face on the screen and the looks to read it with: the window it shows in and the last
// picture taken of it. The runs of each game build their readings on it.
struct FaceOnScreen {
  FaceReference ref;
  HWND window = nullptr;
  Picture now;
  bool Grab() { return CapturePlayWindow(window, now); }
};
