// The hall screen: one side of the island with its machines, stools, customers and medal boxes,
// the lamps of machines in a bonus, and the 12-tick slide from one machine to the next.
#include "presentation/hall_view.h"

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "presentation/game_description.h"
#include "presentation/hall_looks.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "base/options.h"
#include "base/tick_counters.h"

namespace {

using namespace hall_view;

const PlayerSlot& Slot() { return *CurrentSlot.slot; }
const MachineRecord& MachineAt(int m) { return Shops[Slot().shop & 1].machines[m]; }

void WallAndFloorOf(HDC dc, int x) {
  for (int t = 0; t < kSlotWidth / kTileSize; ++t) {
    CopyFromSurface(dc, x + kTileSize * t, 0, kTileSize, kTileSize, WallAndFloor, 0, 0);
    CopyFromSurface(dc, x + kTileSize * t, kTileSize, kTileSize, kTileSize, WallAndFloor, 0, kTileSize);
  }
  for (int y = 2 * kTileSize; y <= kFloorY - kTileSize; y += kTileSize) {
    BitBlt(dc, x, y, kSlotWidth, kTileSize, dc, x, kTileSize, SRCCOPY);
  }
  for (int t = 0; t < kSlotWidth / kTileSize; ++t) {
    CopyFromSurface(dc, x + kTileSize * t, kFloorY, kTileSize, kTileSize, WallAndFloor, 0, 2 * kTileSize);
  }
}

}  // namespace

void DrawHallSlot(HDC dc, int m, int slot) {
  const int x = HallSlotX(slot);
  const int cursor = Slot().hallCursor;
  WallAndFloorOf(dc, x);
  if (m == HallSideStart(cursor) + 8) {
    CopyFromSurface(dc, x, 0, kEndW, kEndH, IslandEnds, 0, kEndH);
  }
  if (m < 0 || m >= kFloorMachines || !OnCursorSide(m, cursor)) return;
  if (m % 8 == 0) {
    // The island's left end closes the row right where the first machine begins.
    CopyFromSurface(dc, x + kMachineDX - kEndW, 0, kEndW, kEndH, IslandEnds, 0, 0);
  } else {
    // Odd machines have the medal dispenser beside them.
    CopyFromSurface(dc, x, kMachineY, kPieceW, kPieceH, HallPieces, 0, (m % 2) ? kPieceH : 0);
  }
  CopyFromSurface(dc, x + kMachineDX, kMachineY, kMachineW, kMachineH, HallMachine, 0, 0);
  const MachineRecord& machine = MachineAt(m);
  const int stoolX = x + kMachineDX + (kMachineW - kStoolW) / 2;
  if (HallStoolSeated(machine)) {
    DrawMaskedSprite(dc, stoolX, kFloorY - kSeatedStoolH, kStoolW, kSeatedStoolH, ScratchDC, 0, 0,
                     SeatedStool);
  } else {
    DrawMaskedSprite(dc, stoolX, kFloorY - kEmptyStoolH, kStoolW, kEmptyStoolH, ScratchDC, 0, 0,
                     EmptyStool);
  }
  const int boxes = FloorBoxesDrawn(machine.boxStacks);
  for (int i = 0; i < boxes; ++i) {
    DrawMaskedSprite(dc, x + FloorBoxDX(i), FloorBoxY(i), kBoxW, kBoxH, ScratchDC, 0, 0, FloorBox);
  }
  DrawMaskedSprite(dc, x + kMachineDX + kShelfDX, kShelfY, kShelfW, kShelfH, ScratchDC, 0,
                   kShelfH * ShelfBoxLook(machine.boxes), ShelfBoxes);
}

void DrawHallRow(HDC dc, int mode) {
  HallRowPlan row = HallRowOf(Slot().hallCursor, mode);
  for (int k = 0; k < row.slots; ++k) DrawHallSlot(dc, row.firstMachine + k, k);
}

void DrawHallLamps(HDC dc) {
  const int cursor = Slot().hallCursor;
  for (int k = 0; k < 3; ++k) {
    int m = cursor - 1 + k;
    if (m < 0 || m >= kFloorMachines || !OnCursorSide(m, cursor)) continue;
    const MachineRecord& machine = MachineAt(m);
    const int machineX = HallSlotX(k) + kMachineDX;
    // The lamps of this game's machine, as its description places them.
    const GameDescription& g = ActiveGame();
    for (int i = 0; i < g.hallPartCount; ++i) {
      const HallPartSpec& lamp = g.hallParts[i];
      const StripSpec& strip = g.hallStrips[lamp.strip];
      CopyFromSurface(dc, machineX + lamp.x, lamp.y, strip.w, strip.h, HallStrips[lamp.strip], 0,
                      strip.h * lamp.look(machine, 0));
    }
  }
}

void HallSlideStep(HDC dc) {
  HallSlidePlan plan = PlanHallSlideStep(HallScroll, Slot().hallCursor);
  if (plan.drawBuffer) DrawHallRow(HallDC, plan.mode);
  HallScroll = plan.newScroll;
  BitBlt(dc, 0, 0, kViewW, kViewH, HallDC, plan.sourceX, 0, SRCCOPY);
  // Standing still again: the screen surface holds the still view for the next paint.
  if (HallScroll == 0) BitBlt(ScreenDC, 0, 0, kViewW, kViewH, HallDC, plan.sourceX, 0, SRCCOPY);
}

void PaintHallWindow(HWND hallWindow) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hallWindow, &ps);
  if (CurrentSlot.slot != nullptr && HallScroll == 0) DrawHallRow(ScreenDC, 0);
  HPALETTE previous = SelectGamePalette(dc);
  BitBlt(dc, 0, 0, kViewW, kViewH, ScreenDC, 0, 0, SRCCOPY);
  RestorePalette(dc, previous);
  EndPaint(hallWindow, &ps);
}

void HallWindowTick(HWND hallWindow) {
  if (CurrentSlot.slot == nullptr) return;
  const bool slide = HallScroll != 0;
  const bool changed = !slide && HallChanged != 0;
  const bool lamps = !slide && !changed && Phase128 == 0;
  if (!slide && !changed && !lamps) return;
  HDC dc = GetDC(hallWindow);
  if (dc == nullptr) return;
  HPALETTE previous = SelectGamePalette(dc);
  if (slide) {
    HallSlideStep(dc);
  } else if (changed) {
    DrawHallRow(ScreenDC, 0);
    BitBlt(dc, 0, 0, kViewW, kViewH, ScreenDC, 0, 0, SRCCOPY);
    HallChanged = 0;
  } else {
    DrawHallLamps(dc);
  }
  RestorePalette(dc, previous);
  ReleaseDC(hallWindow, dc);
}
