// The hall view's rules: which machines stand in which slots, the stools, the medal boxes,
// the lamps of a machine in its bonus, and the slide from one machine to the next.
#pragma once

#include "machine/machine_record.h"

namespace hall_view {
constexpr int kSlotWidth = 192;       // one machine with the piece beside it
constexpr int kFirstSlotX = -74;      // the neighbours show 118 pixels left, 170 right
constexpr int kViewW = 480, kViewH = 432;
constexpr int kBufferW = 672;         // four slots, for the slide
constexpr int kFloorY = 416;          // stools and boxes stand here
constexpr int kMachineDX = 52, kMachineY = 32, kMachineW = 140, kMachineH = 272;
constexpr int kPieceW = 52, kPieceH = 272;
constexpr int kEndW = 170, kEndH = 432;
constexpr int kTileSize = 32;
constexpr int kStoolW = 88, kEmptyStoolH = 170, kSeatedStoolH = 328;
constexpr int kBoxW = 40, kBoxH = 28;
constexpr int kShelfW = 72, kShelfH = 28, kShelfDX = 34, kShelfY = 4, kShelfLooks = 5;
constexpr int kSlideStep = 16;
}  // namespace hall_view

// Left edge of slot k (0..3) of a row.
inline int HallSlotX(int slot) { return hall_view::kFirstSlotX + hall_view::kSlotWidth * slot; }

// The island side the cursor stands on: machines 0-7 or 8-15; its first machine.
inline int HallSideStart(int cursor) { return cursor <= 7 ? 0 : 8; }
// Is the machine a floor machine of the cursor's side?
bool OnCursorSide(int machine, int cursor);

// The machines of a row: mode 0 the still view (three slots around the cursor), mode 1 four
// slots for a slide to a lower machine, mode 2 four slots for a slide to a higher one.
struct HallRowPlan {
  int firstMachine;
  int slots;
};
HallRowPlan HallRowOf(int cursor, int mode);

// Someone sits on the stool: a customer, or a player whose screen is at the machine (a player
// looking at the hall has left the stool empty).
bool HallStoolSeated(const MachineRecord& m);

// Medal boxes on the floor: piles four high beside the stool; from the 21st box on they all go
// to the last pile, so drawing more than 24 changes nothing.
int FloorBoxesDrawn(int boxStacks);
// Offset of box i from the machine's left edge, and its top edge.
int FloorBoxDX(int box);
inline int FloorBoxY(int box) { return hall_view::kFloorY - hall_view::kBoxH * (box % 4 + 1); }
// The look of the shelf above the machine for the machine's `boxes`.
int ShelfBoxLook(int boxes);

// Top lamp: look 0 (lit) blinking while a big bonus runs, else look 1 (the machine's own).
int HallTopLampLook(const MachineRecord& m, int index = 0);
// Band under the top: look 1 (lit) flashing during a big bonus or a JAC stage, else look 0.
int HallBandLook(const MachineRecord& m, int index = 0);

// One tick of the slide that follows a step of the hall cursor (HallScroll +192 after stepping
// back, -192 after stepping on). The buffer is drawn on the first tick; a step across the
// island's sides jumps at once.
struct HallSlidePlan {
  bool drawBuffer;  // compose the four-slot buffer now
  int mode;         // its row mode: 1 stepping back, 2 stepping on
  int newScroll;    // HallScroll after this tick; 0 when the view stands still again
  int sourceX;      // left edge of the 480 pixels of the buffer to show
};
HallSlidePlan PlanHallSlideStep(int scroll, int cursor);
