// The info panel's look rules, from the player slots, the shops and the tick's blink flags;
// the counters are formatted on the stack, so the panel's tick allocates nothing.
#include "presentation/panel_looks.h"

#include <cstdint>
#include <cstdio>

#include "hall/player_slot.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

int Clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

// A figure's glyph; a blank, and anything the strip has no glyph for, shows blank.
int GlyphOf(char c) { return c >= '0' && c <= '9' ? c - '0' : panel::kBlankGlyph; }

int TwoFigures(const char* text, int x0, CounterGlyph* out) {
  for (int i = 0; i < 2; ++i) out[i] = {x0 + panel::kSmallDigitW * i, GlyphOf(text[i])};
  return 2;
}

int SixFigures(const char* text, int x0, CounterGlyph* out) {
  int n = 0;
  for (int i = 0; i < 3; ++i) out[n++] = {x0 + panel::kSmallDigitW * i, GlyphOf(text[i])};
  bool digit = text[2] >= '0' && text[2] <= '9';
  out[n++] = {x0 + 3 * panel::kSmallDigitW, digit ? panel::kCommaGlyph : panel::kBlankGlyph};
  for (int i = 3; i < 6; ++i) out[n++] = {x0 + panel::kSmallDigitW * i + 4, GlyphOf(text[i])};
  return n;
}

}  // namespace

ClockGlyphs ClockGlyphsOf(const CalendarTime& t) {
  ClockGlyphs c;
  c.dayLook = Clamp(t.weekday, 0, 6);
  int hour = Clamp(t.hour, 0, 23);
  int minute = Clamp(t.minute, 0, 59);
  c.digit[0] = hour < 10 ? panel::kBlankGlyph : hour / 10;
  c.digit[1] = hour % 10;
  c.digit[2] = minute / 10;
  c.digit[3] = minute % 10;
  return c;
}

PanelPoint BoardPlatePosition(int machine) {
  if (machine < 8) return {5, 149 - 16 * machine};
  return {93, 37 + 16 * (machine - 8)};
}

PanelPoint BoardLampPosition(int machine) {
  if (machine < 8) return {38, 151 - 16 * machine};
  return {78, 16 * machine - 89};
}

bool BoardPlateLit(const MachineRecord& m, int shopLevel) {
  if (m.bigGames == 0) return shopLevel != 0;
  return Blink256 == 0;
}

int BoardFrameOf(int machine, int seatedMachine, int hallCursor) {
  bool seat = machine == seatedMachine;
  bool cursor = machine == hallCursor;
  if (seat && cursor) return FrameWhite;
  if (seat) return FrameYellow;
  if (cursor) return FrameCyan;
  return FrameNone;
}

int OccupancyLampLook(const MachineRecord& m, int machine, int shop) {
  int look = Clamp(m.occupant, 0, OccupantFirstPlayer + kPlayerSlots - 1);
  if (Blink256 == 0) return look;
  if (m.pendingNotice != 0) return 0;
  // A player seated here who is away looking at the hall.
  int k = m.occupant - OccupantFirstPlayer;
  if (k >= 0 && k < kPlayerSlots) {
    const PlayerSlot& slot = PlayerSlots[k];
    if (slot.shop == shop && slot.seatedMachine == machine && slot.screen != ScreenPlay) return 0;
  }
  return look;
}

int PlayerTabLook(int slot) {
  const PlayerSlot& s = PlayerSlots[Clamp(slot, 0, kPlayerSlots - 1)];
  bool registered = s.name[0] != '\0';
  bool current = slot == CurrentSlot.index;
  int look = registered ? 52 : 0;
  if (Blink256 != 0 && registered && !current && s.machine != nullptr &&
      s.machine->pendingNotice != 0) {
    look = 0;
  }
  return current ? look + 26 : look;
}

int CounterMachineOf(const PlayerSlot& slot) {
  if (slot.hallCursor >= 0 && slot.hallCursor < kFloorMachines) return slot.hallCursor;
  if (slot.seatedMachine >= 0 && slot.seatedMachine < kFloorMachines) return slot.seatedMachine;
  return -1;
}

int BigCountDayLook(int weekday, int column) { return (Clamp(weekday, 0, 6) + 5 + column) % 7; }

int BigCountGlyphs(int count, int x0, CounterGlyph* out) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", count);
  return TwoFigures(text, x0, out);
}

int GamesGlyphs(int games, int x0, CounterGlyph* out) {
  char text[16];
  std::snprintf(text, sizeof text, "%6d", games);
  return SixFigures(text, x0, out);
}

int MedalsGlyphs(int medals, int x0, CounterGlyph* out) {
  char text[16];
  std::snprintf(text, sizeof text, "%6u", static_cast<unsigned>(static_cast<uint32_t>(medals)));
  return SixFigures(text, x0, out);
}

bool PanelButtonFaceRect(int buttonId, bool pressed, FaceRect& out) {
  switch (buttonId) {
    case 10:
    case 11:
      out = {buttonId == 10 ? 0 : 60, 464 + (pressed ? 50 : 0), 60, 50};
      return true;
    default:
      break;
  }
  // GAME, PLAYER, the three EXITs, CHOOSE, CHANGE, HALL and RETURN: 120 x 26 faces.
  int y;
  switch (buttonId) {
    case 7: y = 0; break;
    case 8: y = 52; break;
    case 9:
    case 14:
    case 17: y = 104; break;
    case 12: y = 156; break;
    case 15: y = 208; break;
    case 16: y = 260; break;
    case 13: y = 312; break;
    default: return false;
  }
  out = {0, y + (pressed ? 26 : 0), 120, 26};
  return true;
}

FaceRect DayNightFaceRect(int shop) { return {0, 364 + 50 * Clamp(shop, 0, 1), 120, 50}; }
FaceRect PlayModeFaceRect(int autoPlay) { return {0, 26 * Clamp(autoPlay, 0, 1), 120, 26}; }
FaceRect StopOrderFaceRect(int stopOrder) { return {0, 52 + 82 * Clamp(stopOrder, 0, 1), 120, 82}; }
FaceRect PageTabFaceRect(int page) { return {0, 24 * Clamp(page, 0, 1), 128, 24}; }
