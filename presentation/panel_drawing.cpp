// The info panel: clock, the island's machine board, the player tabs and the counter board of
// one machine, composed in the panel surface; the slow tick refreshes what changes.
#include "hall/player_slot.h"
#include "hall/shops.h"
#include "presentation/panel_looks.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "base/screen_id.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"

namespace {

const PlayerSlot& Slot() { return *CurrentSlot.slot; }
int ShopIndex() { return Slot().shop & 1; }
bool OnTitle() { return Slot().screen == ScreenTitle; }

void DrawClock() {
  ClockGlyphs c = ClockGlyphsOf(LocalTimeCopy);
  CopyFromSurface(PanelDC, panel::kDayX, panel::kClockY, panel::kDayW, panel::kLargeDigitH, DayNames,
                  0, panel::kLargeDigitH * c.dayLook);
  for (int i = 0; i < 4; ++i) {
    CopyFromSurface(PanelDC, panel::kClockDigitX[i], panel::kClockY, panel::kLargeDigitW,
                    panel::kLargeDigitH, LargeDigits, 0, panel::kLargeDigitH * c.digit[i]);
  }
}

void DrawFrame(int machine, int frame) {
  PanelPoint at = BoardPlatePosition(machine);
  HGDIOBJ oldPen = SelectObject(PanelDC, BoardFramePens[frame]);
  HGDIOBJ oldBrush = SelectObject(PanelDC, GetStockObject(NULL_BRUSH));
  Rectangle(PanelDC, at.x + 1, at.y + 1, at.x + panel::kPlateW, at.y + panel::kPlateH);
  SelectObject(PanelDC, oldBrush);
  SelectObject(PanelDC, oldPen);
}

void DrawMachineBoard() {
  const ShopRecord& shop = Shops[ShopIndex()];
  const PlayerSlot& slot = Slot();
  for (int i = 0; i < kFloorMachines; ++i) {
    const MachineRecord& m = shop.machines[i];
    PanelPoint plate = BoardPlatePosition(i);
    int look = BoardPlateLit(m, shop.level) ? 16 + i : i;
    CopyFromSurface(PanelDC, plate.x, plate.y, panel::kPlateW, panel::kPlateH, MachinePlateLooks, 0,
                    panel::kPlateH * look);
    PanelPoint lamp = BoardLampPosition(i);
    CopyFromSurface(PanelDC, lamp.x, lamp.y, panel::kLampSize, panel::kLampSize, OccupancyLampLooks,
                    i < 8 ? 0 : panel::kLampSize,
                    panel::kLampSize * OccupancyLampLook(m, i, ShopIndex()));
  }
  // Frames last: the pen reaches a little past its plate, and the next plate must not cut it.
  for (int i = 0; i < kFloorMachines; ++i) {
    int frame = BoardFrameOf(i, slot.seatedMachine, slot.hallCursor);
    if (frame != FrameNone) DrawFrame(i, frame);
  }
}

void DrawPlayerTabs() {
  for (int k = 0; k < kPlayerSlots; ++k) {
    CopyFromSurface(PanelDC, panel::kTabW * k, panel::kTabY, panel::kTabW, panel::kTabH,
                    PlayerTabLooks, panel::kTabW * k, PlayerTabLook(k));
  }
}

void DrawCounterBoard() {
  CopyFromSurface(PanelDC, 0, panel::kCounterY, panel::kWidth, panel::kCounterH, CounterBoardLooks,
                  0, OnTitle() ? 0 : panel::kCounterH);
}

void DrawMachinePlate(int machine) {
  CopyFromSurface(PanelDC, panel::kCounterPlateX, panel::kCounterPlateY, panel::kPlateW,
                  panel::kPlateH, MachinePlateLooks, 0, panel::kPlateH * (16 + machine));
}

void DrawGlyphs(const CounterGlyph* glyphs, int count, int y) {
  for (int i = 0; i < count; ++i) {
    CopyFromSurface(PanelDC, glyphs[i].x, y, panel::kSmallDigitW, panel::kSmallDigitH, SmallDigits,
                    0, panel::kSmallDigitH * glyphs[i].glyph);
  }
}

void DrawBigBonusCounts(const MachineRecord& m) {
  CounterGlyph glyphs[kCounterGlyphsMax];
  for (int j = 0; j < 3; ++j) {
    CopyFromSurface(PanelDC, panel::kDayNameX[j], panel::kDayNameY, panel::kDayNameW,
                    panel::kDayNameH, SmallDayNames, 0,
                    panel::kDayNameH * BigCountDayLook(LocalTimeCopy.weekday, j));
    DrawGlyphs(glyphs, BigCountGlyphs(m.bigCountDay[j], panel::kDayNameX[j] + 2, glyphs),
               panel::kBigCountY);
  }
}

void DrawCounters(const MachineRecord& m) {
  CounterGlyph glyphs[kCounterGlyphsMax];
  DrawGlyphs(glyphs, GamesGlyphs(m.gamesSinceBig, panel::kGamesX, glyphs), panel::kGamesY);
  DrawGlyphs(glyphs, MedalsGlyphs(m.medals, panel::kMedalsX, glyphs), panel::kMedalsY);
}

// The machine the counter board shows, off the title screen; null when there is none.
const MachineRecord* CounterMachine(int& index) {
  index = OnTitle() ? -1 : CounterMachineOf(Slot());
  return index < 0 ? nullptr : &Shops[ShopIndex()].machines[index];
}

}  // namespace

void PaintInfoPanel(HWND infoPanel) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(infoPanel, &ps);
  CopyFromSurface(PanelDC, 0, 0, panel::kWidth, panel::kHeight, PanelPicture, 0, 0);
  if (CurrentSlot.slot != nullptr) {
    DrawClock();
    DrawMachineBoard();
    DrawPlayerTabs();
    DrawCounterBoard();
    int index;
    if (const MachineRecord* m = CounterMachine(index)) {
      DrawMachinePlate(index);
      DrawBigBonusCounts(*m);
      DrawCounters(*m);
    }
  }
  HPALETTE previous = SelectGamePalette(dc);
  BitBlt(dc, 0, 0, panel::kWidth, panel::kHeight, PanelDC, 0, 0, SRCCOPY);
  RestorePalette(dc, previous);
  EndPaint(infoPanel, &ps);
}

void InfoPanelTick(HWND infoPanel) {
  if (Phase256 != 0 || CurrentSlot.slot == nullptr) return;
  HDC dc = GetDC(infoPanel);
  if (dc == nullptr) return;
  HPALETTE previous = SelectGamePalette(dc);
  if (ShopClockCheck()) DrawClock();
  // The board's background first, so a frame that moved leaves nothing behind.
  CopyFromSurface(PanelDC, 0, panel::kBoardTop, panel::kWidth, panel::kTabY - panel::kBoardTop,
                  PanelPicture, 0, panel::kBoardTop);
  DrawMachineBoard();
  DrawPlayerTabs();
  int index;
  if (const MachineRecord* m = CounterMachine(index)) {
    DrawBigBonusCounts(*m);
    DrawCounters(*m);
  }
  BitBlt(dc, 0, 0, panel::kWidth, panel::kTickHeight, PanelDC, 0, 0, SRCCOPY);
  RestorePalette(dc, previous);
  ReleaseDC(infoPanel, dc);
}
