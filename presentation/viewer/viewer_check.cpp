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
#include "presentation/game_description.h"
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

// A place of the active game's face where a lamp or a control shows its looks, as the game's
// description states it: the rectangle, and how the unlit (released) and lit (pressed) looks
// are made.
struct Spot {
  int x = 0, y = 0, w = 0, h = 0;
  const LookStep* unlit = nullptr;
  const LookStep* lit = nullptr;
};

// The part of the face drawn from a strip.
const PartSpec* PartOf(const char* strip) {
  const GameDescription& g = ActiveGame();
  const int index = StripIndex(g, strip);
  for (int i = 0; i < g.partCount && index >= 0; ++i) {
    if (g.parts[i].strip == index) return &g.parts[i];
  }
  Check(false, "no part of the face shows %s", strip);
  return nullptr;
}

// Place `place` of a lamp's part: its looks are the unlit ones of every place, then the lit ones.
Spot LampSpot(const char* strip, int place) {
  const PartSpec* part = PartOf(strip);
  if (part == nullptr) return Spot{};
  const StripSpec& s = ActiveGame().strips[part->strip];
  if (place >= part->placeCount || s.stepCount != 2 * part->placeCount) {
    Check(false, "%s: no unlit and lit look for place %d", strip, place);
    return Spot{};
  }
  const Place& p = part->places[place];
  return {p.x, p.y, s.w, s.h, &s.steps[place], &s.steps[part->placeCount + place]};
}

// A play control (20..25): its released look, then its pressed one.
Spot ControlSpot(int control) {
  const ControlSpec& c = ActiveGame().controls[control - ControlMedalIn];
  const StripSpec& s = ActiveGame().strips[c.strip];
  return {c.x, c.y, c.w, c.h, &s.steps[0], &s.steps[1]};
}

// The face with a lit picture over it: the picture's own pixels, the face where it is
// transparent (key colour) when it is a sprite.
int FaceOrLit(const char* what, bool lit, const Art& face, const Spot& at) {
  if (at.lit == nullptr) return 1;
  const Art picture = LoadArt(at.lit->bitmap);
  const int x0 = at.x, y0 = at.y, w = at.w, h = at.h, picX = at.lit->sx, picY = at.lit->sy;
  int wrong = Differences(x0, y0, w, h, [&](int x, int y) {
    if (!lit) return face.At(x0 + x, y0 + y);
    uint32_t p = picture.At(picX + x, picY + y);
    return p == kKey ? face.At(x0 + x, y0 + y) : p;
  });
  Check(wrong == 0, "%s %s: %d pixels differ", what, lit ? "lit" : "unlit", wrong);
  // The negative control: lit and unlit differ, so the comparison can tell them apart.
  int differ = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t p = picture.At(picX + x, picY + y);
      differ += p != kKey && p != face.At(x0 + x, y0 + y);
    }
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
  const Art face = LoadArt(502);
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
  for (int i = 0; i < 5; ++i) {
    bool lit = i >= 1 && i <= 3;
    char what[32];
    std::snprintf(what, sizeof what, "bet-line lamp %d", i);
    FaceOrLit(what, lit, face, LampSpot("LineLampLooks", i));
  }
  FaceOrLit("MEDALS lamp", true, face, LampSpot("MedalLampLooks", 0));
  for (int k = 0; k < 3; ++k) {
    char what[32];
    std::snprintf(what, sizeof what, "BONUS lamp %d", 3 - k);
    FaceOrLit(what, k >= 1, face, LampSpot("BonusLampLooks", k));
  }
  FaceOrLit("BIG CHANCE lamp", true, face, LampSpot("BigChanceLampLooks", 0));
  const Spot wait = LampSpot("WaitLampLooks", 0);
  auto waitLamp = [&](bool on) {
    // Off: the plain background below the label, drawn over the label's place.
    const LookStep& look = on ? *wait.lit : *wait.unlit;
    int wrong = Differences(wait.x, wait.y, wait.w, wait.h,
                            [&](int x, int y) { return face.At(look.x + x, look.y + y); });
    Check(wrong == 0, "WAIT lamp %s: %d pixels differ", on ? "on" : "off", wrong);
  };
  waitLamp(false);
  // The displays: 0 and 8 with the point, 3 and 7 (the digits part's places: paid tens, units,
  // the point over the units, credit tens, units).
  const PartSpec* cells = PartOf("PanelDigits");
  Check(cells == nullptr || cells->placeCount == 5, "the digits part does not have five places");
  if (cells == nullptr || cells->placeCount != 5) return;
  const StripSpec& cell = ActiveGame().strips[cells->strip];
  const Art digits = LoadArt(cell.bitmap);
  auto glyph = [&](int n, bool point) {
    return [&, n, point](int x, int y) {
      uint32_t p = digits.At(x, cell.h * n + y);
      uint32_t dot = digits.At(x, cell.h * 11 + y);
      return point && dot != 0 ? p | dot : p;
    };
  };
  auto shows = [&](int place, int n, bool point) {
    return Differences(cells->places[place].x, cells->places[place].y, cell.w, cell.h, glyph(n, point));
  };
  Check(shows(0, 0, false) == 0, "paid tens is not 0");
  Check(shows(1, 8, true) == 0, "paid units is not 8 with the point");
  Check(shows(1, 8, false) > 0, "the point is missing");
  Check(shows(3, 3, false) == 0, "credit tens is not 3");
  Check(shows(4, 7, false) == 0, "credit units is not 7");

  // Reels turning with reel 2 already stopped: STOP lamps of reels 1 and 3 lit; WAIT off; the
  // winning middle line flashing while the medals lamp is dark.
  m.state = StateReelsSpinning;
  m.reelState[0] = 1;
  m.reelState[1] = 0;
  m.reelState[2] = 1;
  m.litLines = 4;
  RepaintPlay();
  FaceOrLit("STOP lamp 1", true, face, LampSpot("StopLampLooks", 0));
  FaceOrLit("STOP lamp 2", false, face, LampSpot("StopLampLooks", 1));
  FaceOrLit("STOP lamp 3", true, face, LampSpot("StopLampLooks", 2));
  FaceOrLit("MEDALS lamp", false, face, LampSpot("MedalLampLooks", 0));
  FaceOrLit("winning middle line", true, face, LampSpot("LineLampLooks", 2));
  FaceOrLit("bet-line lamp 1 beside a win", false, face, LampSpot("LineLampLooks", 1));
  m.state = StateLeverPulled;
  RepaintPlay();
  waitLamp(true);
}

// Whether a level pay line runs along a row of the face.
bool LevelPayLineRow(const GameDescription& g, int y) {
  for (int i = 0; i < g.payLineCount; ++i) {
    if (g.payLines[i].y0 == y && g.payLines[i].y1 == y) return true;
  }
  return false;
}

void CheckReels() {
  SetUpScene("play-idle");
  const GameDescription& g = ActiveGame();
  const ReelGeometry& reel = g.reels;
  const int unit = g.symbolHeight, middleTop = reel.y + reel.rowsAbove + unit;
  const Art symbols = LoadArt(reel.symbols);
  MachineRecord& m = SeatedMachine();
  const MachineModel& model = ActiveMachine();
  const int firstInMiddle = 20 * unit;
  for (int pos : {firstInMiddle, 0}) {
    for (int r = 0; r < 3; ++r) m.reelPos[r] = pos;
    RepaintPlay();
    // Twenty symbols on: strip index 0 in the middle row of reel 1; 0 shows a turn on, like 21.
    int middle = pos == firstInMiddle ? 0 : 1;
    int code = model.strips[0][middle];
    int wrong = 0;
    for (int y = middleTop; y < middleTop + unit; ++y) {
      if (LevelPayLineRow(g, y)) continue;  // the middle pay line
      for (int x = 0; x < reel.w; ++x) {
        wrong += Screen(reel.x + x, y) != symbols.At(x, unit * code + y - middleTop);
      }
    }
    Check(wrong == 0, "reel 1 at %d: middle row differs from the symbol in %d pixels", pos, wrong);
    // The shade darkens where its band is black and keeps the symbol where it is white (no
    // pay line crosses these rows of reel 1). Above the top row: two indexes before the middle.
    int top = model.strips[0][(middle + 19) % 21];
    wrong = 0;
    for (int y = 0; y < reel.shadeRows; ++y) {
      for (int x = 0; x < reel.w; ++x) {
        uint32_t shown = symbols.At(x, unit * top + unit - reel.rowsAbove + y);
        uint32_t expected = symbols.At(x, reel.shadeY + y) == 0 ? 0 : shown;
        wrong += Screen(reel.x + x, reel.y + y) != expected;
      }
    }
    Check(wrong == 0, "reel 1 at %d: shaded rows differ in %d pixels", pos, wrong);
  }
  int lineRows = 0, drawn = 0;
  for (int y = middleTop; y < middleTop + unit; ++y) {
    if (!LevelPayLineRow(g, y)) continue;
    ++lineRows;
    drawn += Screen(reel.x + 7, y) == 0x808000;
  }
  Check(lineRows == 2 && drawn == 2, "the middle pay line is not drawn two pixels thick");
}

void CheckControls() {
  SetUpScene("play-idle");
  const Art face = LoadArt(502);
  const Spot bet = ControlSpot(ControlBetButton), lever = ControlSpot(ControlStartLever);
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
  FaceOrLit("bet button", true, face, bet);
  Check(GetCapture() == nullptr, "a keypad press captured the mouse");
  Check(m.bet == before.bet && m.credit == before.credit && m.medals == before.medals,
        "betting without credit changed the machine");
  SendMessageW(button, WM_LBUTTONUP, 0, 0);
  Capture();
  FaceOrLit("bet button", false, face, bet);
  // The lever pulled by automatic play (posted): pressed until the next step releases it.
  PostMessageW(PlayControlWindow(ControlStartLever), WM_LBUTTONDOWN, 0, 0);
  Capture();
  FaceOrLit("start lever", true, face, lever);
  PostMessageW(PlayControlWindow(ControlStartLever), WM_LBUTTONUP, 0, 0);
  Capture();
  FaceOrLit("start lever", false, face, lever);
  // A real press on the lever dragged off it: captured, released look while still held; the
  // release outside gives the mouse back and moves the cursor on.
  HWND leverWindow = PlayControlWindow(ControlStartLever);
  SendMessageW(leverWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  Capture();
  Check(GetCapture() == leverWindow, "a real press on the lever did not capture the mouse");
  FaceOrLit("lever held", true, face, lever);
  SendMessageW(leverWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 10));
  Capture();
  FaceOrLit("lever dragged off", false, face, lever);
  Check(GetCapture() == leverWindow, "dragging off the lever lost the capture");
  SendMessageW(leverWindow, WM_LBUTTONUP, 0, MAKELPARAM(-20, 10));
  Capture();
  Check(GetCapture() == nullptr, "releasing outside the lever kept the capture");
  // A real medal into a bet of two completes it: the cursor goes onto the lever's target.
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
  const ControlSpec& leverSpec = ActiveGame().controls[ControlStartLever - ControlMedalIn];
  POINT expected = {leverSpec.targetX, leverSpec.targetY}, cursor = {0, 0};
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
