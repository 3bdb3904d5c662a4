// The drawing checked on screen: lamps, digits, reels, controls, sprites, the clock and the
// title read back from the window and compared with the artwork's own pixels, which are read
// straight from the resources (not through the game's surfaces).
#include "presentation/viewer/viewer_check.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "machine/auto_operate.h"
#include "machine/machine_model.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "presentation/viewer/screen_capture.h"
#include "presentation/viewer/viewer_scenes.h"
#include "presentation/viewer/viewer_windows.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

int failures = 0;
uint32_t screen[kCaptureW * kCaptureH];

void Check(bool ok, const char* format, ...) {
  if (ok) return;
  ++failures;
  va_list args;
  va_start(args, format);
  std::printf("FAILED: ");
  std::vprintf(format, args);
  std::printf("\n");
  va_end(args);
}

// A DIBITMAP as the artist delivered it: RGB of any pixel, row 0 at the top.
struct Art {
  const unsigned char* pixels = nullptr;
  const unsigned char* table = nullptr;
  int width = 0, height = 0, stride = 0;
  uint32_t At(int x, int y) const {
    const unsigned char* q = table + 4 * pixels[(height - 1 - y) * stride + x];
    return (uint32_t(q[2]) << 16) | (uint32_t(q[1]) << 8) | q[0];
  }
};

Art LoadArt(int id) {
  Art art;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), L"DIBITMAP");
  const unsigned char* file =
      found ? static_cast<const unsigned char*>(LockResource(LoadResource(instance, found))) : nullptr;
  Check(file != nullptr, "bitmap %d is missing", id);
  if (file == nullptr) return art;
  auto u32 = [&](int at) { return uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 |
                                  uint32_t(file[at + 2]) << 16 | uint32_t(file[at + 3]) << 24; };
  art.width = static_cast<int>(u32(18));
  art.height = static_cast<int>(u32(22));
  art.stride = (art.width + 3) / 4 * 4;
  art.table = file + 14 + u32(14);
  art.pixels = art.table + 4 * 256;
  return art;
}

const uint32_t kKey = 0x008080;

void Capture() {
  PumpMessages();
  Check(CaptureClient(ViewerMain, screen), "the window could not be read");
}
uint32_t Screen(int x, int y) { return screen[y * kCaptureW + x]; }

// Compares a rectangle of the window with what `expected` says each pixel must be; returns the
// number of pixels that differ.
template <typename Expected>
int Differences(int x0, int y0, int w, int h, Expected expected) {
  int wrong = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) wrong += Screen(x0 + x, y0 + y) != expected(x, y);
  }
  return wrong;
}

// The face with a lit picture over it: the picture's own pixels, the face where it is
// transparent (key colour) when it is a sprite.
int FaceOrLit(const char* what, bool lit, const Art& face, const Art& picture, int x0, int y0,
              int w, int h, int picY) {
  int wrong = Differences(x0, y0, w, h, [&](int x, int y) {
    if (!lit) return face.At(x0 + x, y0 + y);
    uint32_t p = picture.At(x, picY + y);
    return p == kKey ? face.At(x0 + x, y0 + y) : p;
  });
  Check(wrong == 0, "%s %s: %d pixels differ", what, lit ? "lit" : "unlit", wrong);
  // The negative control: lit and unlit differ, so the comparison can tell them apart.
  int differ = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) differ += picture.At(x, picY + y) != kKey && picture.At(x, picY + y) != face.At(x0 + x, y0 + y);
  }
  Check(differ > 0, "%s: the lit picture looks like the face", what);
  return wrong;
}

MachineRecord& SeatedMachine() { return *PlayerSlots[0].machine; }

// Draws the whole play window for the machine as it is now.
void RepaintPlay() {
  RedrawWindow(ViewerPlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Capture();
}

void CheckFaceLamps() {
  SetUpScene("play-idle");
  const Art face = LoadArt(502), lines = LoadArt(604), stops = LoadArt(605), medal = LoadArt(606),
            bonus = LoadArt(607), big = LoadArt(608), digits = LoadArt(609);
  MachineRecord& m = SeatedMachine();
  // Idle with two medals bet: top, middle and bottom line lamps lit; credit 37; 8 paid with
  // the point; MEDALS lit; bonus stage 2 passed; a big bonus lined up.
  m.state = StateIdle;
  m.bet = 2;
  m.litLines = 0;
  m.credit = 37;
  m.paidThisGame = 8;
  m.jacStage = 2;
  m.jacWins = 0;
  m.bigGames = kMarker;
  Blink128 = 1;
  RepaintPlay();
  static const int kNumberRow[5] = {60, 30, 0, 30, 60};
  for (int i = 0; i < 5; ++i) {
    bool lit = i >= 1 && i <= 3;
    char what[32];
    std::snprintf(what, sizeof what, "bet-line lamp %d", i);
    FaceOrLit(what, lit, face, lines, 19, 124 + 33 * i, 64, 30, kNumberRow[i]);
  }
  FaceOrLit("MEDALS lamp", true, face, medal, 379, 289, 40, 18, 0);
  for (int k = 0; k < 3; ++k) {
    char what[32];
    std::snprintf(what, sizeof what, "BONUS lamp %d", 3 - k);
    FaceOrLit(what, k >= 1, face, bonus, 379, 185 + 34 * k, 86, 32, 0);
  }
  FaceOrLit("BIG CHANCE lamp", true, face, big, 395, 127, 54, 54, 0);
  auto waitLamp = [&](bool on) {
    // Off: the plain background below the label, drawn over the label's place.
    int wrong = Differences(59, 302, 30, 11, [&](int x, int y) { return face.At(59 + x, (on ? 302 : 313) + y); });
    Check(wrong == 0, "WAIT lamp %s: %d pixels differ", on ? "on" : "off", wrong);
  };
  waitLamp(false);
  // The displays: 0 and 8 with the point, 3 and 7.
  auto glyph = [&](int g, bool point) {
    return [&, g, point](int x, int y) {
      uint32_t p = digits.At(x, 24 * g + y);
      uint32_t dot = digits.At(x, 24 * 11 + y);
      return point && dot != 0 ? p | dot : p;
    };
  };
  Check(Differences(19, 294, 16, 24, glyph(0, false)) == 0, "paid tens is not 0");
  Check(Differences(35, 294, 16, 24, glyph(8, true)) == 0, "paid units is not 8 with the point");
  Check(Differences(35, 294, 16, 24, glyph(8, false)) > 0, "the point is missing");
  Check(Differences(429, 294, 16, 24, glyph(3, false)) == 0, "credit tens is not 3");
  Check(Differences(445, 294, 16, 24, glyph(7, false)) == 0, "credit units is not 7");

  // Reels turning with reel 2 already stopped: STOP lamps of reels 1 and 3 lit; WAIT off; the
  // winning middle line flashing while the medals lamp is dark.
  m.state = StateReelsSpinning;
  m.reelState[0] = 1;
  m.reelState[1] = 0;
  m.reelState[2] = 1;
  m.litLines = 4;
  RepaintPlay();
  FaceOrLit("STOP lamp 1", true, face, stops, 102, 277, 62, 50, 0);
  FaceOrLit("STOP lamp 2", false, face, stops, 198, 277, 62, 50, 0);
  FaceOrLit("STOP lamp 3", true, face, stops, 294, 277, 62, 50, 50);
  FaceOrLit("MEDALS lamp", false, face, medal, 379, 289, 40, 18, 0);
  FaceOrLit("winning middle line", true, face, lines, 19, 190, 64, 30, 0);
  FaceOrLit("bet-line lamp 1 beside a win", false, face, lines, 19, 157, 64, 30, 30);
  m.state = StateLeverPulled;
  RepaintPlay();
  waitLamp(true);
}

void CheckReels() {
  SetUpScene("play-idle");
  const Art symbols = LoadArt(600);
  MachineRecord& m = SeatedMachine();
  const MachineModel& model = ActiveMachine();
  for (int pos : {720, 0}) {
    for (int r = 0; r < 3; ++r) m.reelPos[r] = pos;
    RepaintPlay();
    // Position 720: strip index 0 in the middle row of reel 1; 0 shows a turn on, like 756.
    int middle = pos == 720 ? 0 : 1;
    int code = model.strips[0][middle];
    int wrong = 0;
    for (int y = 187; y < 223; ++y) {
      if (y == 204 || y == 205) continue;  // the middle pay line
      for (int x = 0; x < 60; ++x) wrong += Screen(103 + x, y) != symbols.At(x, 36 * code + y - 187);
    }
    Check(wrong == 0, "reel 1 at %d: middle row differs from the symbol in %d pixels", pos, wrong);
    // The shade darkens where its band is black and keeps the symbol where it is white (no
    // pay line crosses these rows of reel 1). Above the top row: two indexes before the middle.
    int top = model.strips[0][(middle + 19) % 21];
    wrong = 0;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 60; ++x) {
        uint32_t expected = symbols.At(x, 324 + y) == 0 ? 0 : symbols.At(x, 36 * top + 26 + y);
        wrong += Screen(103 + x, 141 + y) != expected;
      }
    }
    Check(wrong == 0, "reel 1 at %d: shaded rows differ in %d pixels", pos, wrong);
  }
  Check(Screen(110, 204) == 0x808000 && Screen(110, 205) == 0x808000,
        "the middle pay line is not drawn two pixels thick");
}

void CheckControls() {
  SetUpScene("play-idle");
  const Art face = LoadArt(502), bet = LoadArt(603), lever = LoadArt(601);
  MachineRecord& m = SeatedMachine();
  m.credit = 0;
  m.state = StateIdle;
  m.bet = 0;
  MachineRecord before = m;
  HWND button = PlayControlWindow(ControlBetButton);
  Check(button != nullptr, "no bet button");
  // The keypad's press: the pressed look, nothing bet without credit, no capture.
  SendMessageW(button, WM_LBUTTONDOWN, 0, 0);
  Capture();
  FaceOrLit("bet button", true, face, bet, 359, 378, 46, 32, 0);
  Check(GetCapture() == nullptr, "a keypad press captured the mouse");
  Check(m.bet == before.bet && m.credit == before.credit && m.medals == before.medals,
        "betting without credit changed the machine");
  SendMessageW(button, WM_LBUTTONUP, 0, 0);
  Capture();
  FaceOrLit("bet button", false, face, bet, 359, 378, 46, 32, 0);
  // The lever pulled by automatic play (posted): pressed until the next step releases it.
  PostMessageW(PlayControlWindow(ControlStartLever), WM_LBUTTONDOWN, 0, 0);
  Capture();
  FaceOrLit("start lever", true, face, lever, 48, 371, 34, 42, 0);
  PostMessageW(PlayControlWindow(ControlStartLever), WM_LBUTTONUP, 0, 0);
  Capture();
  FaceOrLit("start lever", false, face, lever, 48, 371, 34, 42, 0);
  // A real press on the lever dragged off it: captured, released look while still held; the
  // release outside gives the mouse back and moves the cursor on.
  HWND leverWindow = PlayControlWindow(ControlStartLever);
  SendMessageW(leverWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  Capture();
  Check(GetCapture() == leverWindow, "a real press on the lever did not capture the mouse");
  FaceOrLit("lever held", true, face, lever, 48, 371, 34, 42, 0);
  SendMessageW(leverWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 10));
  Capture();
  FaceOrLit("lever dragged off", false, face, lever, 48, 371, 34, 42, 0);
  Check(GetCapture() == leverWindow, "dragging off the lever lost the capture");
  SendMessageW(leverWindow, WM_LBUTTONUP, 0, MAKELPARAM(-20, 10));
  Capture();
  Check(GetCapture() == nullptr, "releasing outside the lever kept the capture");
  // A real medal into a bet of two completes it: the cursor goes onto the lever at (17, 17).
  m.state = StateIdle;
  m.bet = 0;
  m.medals = 100;
  m.credit = 0;
  HWND slot = PlayControlWindow(ControlMedalIn);
  for (int i = 0; i < 3; ++i) {
    SendMessageW(slot, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    SendMessageW(slot, WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
  }
  PumpMessages();
  POINT expected = {17, 17}, cursor = {0, 0};
  ClientToScreen(leverWindow, &expected);
  GetCursorPos(&cursor);
  Check(m.bet == 3, "three medals bet %d", m.bet);
  Check(cursor.x == expected.x && cursor.y == expected.y, "cursor at %ld,%ld, not on the lever at %ld,%ld",
        cursor.x, cursor.y, expected.x, expected.y);
  for (int c = ControlMedalIn; c <= ControlStop3; ++c) {
    Check(PlayControlWindow(c) != nullptr && GetDlgCtrlID(PlayControlWindow(c)) == c,
          "control %d has no window of that identifier", c);
  }
  Check(PlayControlWindow(19) == nullptr && PlayControlWindow(26) == nullptr,
        "controls outside 20..25 must not exist");
}

void CheckHall() {
  SetUpScene("hall");
  PlayerSlots[0].hallCursor = 3;  // a seated customer in the centre, no boxes on the floor
  RedrawWindow(ViewerHall, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Capture();
  int keyed = Differences(0, 0, 480, 432, [](int x, int y) { return Screen(x, y) == kKey ? 0u : Screen(x, y); });
  Check(keyed == 0, "the key colour shows in %d pixels of the hall", keyed);
  const Art seated = LoadArt(517);
  const int x0 = 118 + 52 + (140 - 88) / 2, y0 = 416 - 328;
  int wrong = 0, opaque = 0;
  for (int y = 0; y < 328; ++y) {
    for (int x = 0; x < 88; ++x) {
      uint32_t p = seated.At(x, y);
      if (p == kKey) continue;
      ++opaque;
      wrong += Screen(x0 + x, y0 + y) != p;
    }
  }
  Check(opaque > 1000 && wrong == 0, "seated customer: %d of %d pixels differ", wrong, opaque);
}

void CheckPanelAndTitle() {
  SetUpScene("title");
  Capture();
  const Art large = LoadArt(503), days = LoadArt(505), buttons = LoadArt(509);
  // 19:42 on a Wednesday.
  const int kClock[4][2] = {{47, 1}, {63, 9}, {91, 4}, {107, 2}};
  for (const auto& d : kClock) {
    int wrong = Differences(480 + d[0], 4, 16, 24, [&](int x, int y) { return large.At(x, 24 * d[1] + y); });
    Check(wrong == 0, "clock digit %d at x %d: %d pixels differ", d[1], d[0], wrong);
  }
  Check(Differences(485, 4, 32, 24, [&](int x, int y) { return days.At(x, 24 * 3 + y); }) == 0,
        "the clock's day is not Wednesday");
  Check(Differences(484, 294, 120, 50, [&](int x, int y) { return buttons.At(x, 364 + y); }) == 0,
        "the day/night switch does not show the day shop lit");
  // The title picture arrives in the game's colours only: channel levels 0, 128, 192, 255.
  int foreign = 0, colours = 0;
  uint32_t seen[64];
  for (int y = 0; y < 432; ++y) {
    for (int x = 0; x < 480; ++x) {
      uint32_t p = Screen(x, y);
      for (int shift = 0; shift < 24; shift += 8) {
        uint32_t c = (p >> shift) & 255;
        foreign += c != 0 && c != 128 && c != 192 && c != 255;
      }
      bool known = false;
      for (int i = 0; i < colours; ++i) known |= seen[i] == p;
      if (!known && colours < 64) seen[colours++] = p;
    }
  }
  Check(foreign == 0, "the title shows %d channel values outside the game palette", foreign);
  Check(colours >= 16, "the title shows only %d colours", colours);
}

void CheckSurfaceLifecycle() {
  Check(KeyIndex == 20 && BlackIndex == 0 && WhiteIndex == 255,
        "palette indices key %d black %d white %d", KeyIndex, BlackIndex, WhiteIndex);
  DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  FreeAllSurfaces();
  FreeAllSurfaces();  // a second time changes nothing
  DWORD freed = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  Check(CreateAllSurfaces(ViewerMain) == 1, "the surfaces could not be built again");
  DWORD again = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  // Counted only where the system counts GDI objects.
  Check(before == 0 || (freed < before && again == before),
        "GDI objects: %lu built, %lu freed, %lu rebuilt", before, freed, again);
}

}  // namespace

int RunViewerChecks() {
  failures = 0;
  CheckSurfaceLifecycle();
  CheckFaceLamps();
  CheckReels();
  CheckControls();
  CheckHall();
  CheckPanelAndTitle();
  std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "passed", failures);
  return failures;
}
