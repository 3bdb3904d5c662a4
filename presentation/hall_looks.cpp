// The hall view's rules: row layout, stools, medal boxes, bonus lamps and the slide, all
// computed from the machine records and the player slots.
#include "presentation/hall_looks.h"

#include "hall/player_slot.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

bool OnCursorSide(int machine, int cursor) {
  int start = HallSideStart(cursor);
  return machine >= start && machine < start + 8;
}

HallRowPlan HallRowOf(int cursor, int mode) {
  if (mode == 1) return {cursor - 1, 4};
  if (mode == 2) return {cursor - 2, 4};
  return {cursor - 1, 3};
}

bool HallStoolSeated(const MachineRecord& m) {
  if (m.occupant == OccupantCustomer) return true;
  int slot = m.occupant - OccupantFirstPlayer;
  if (slot < 0 || slot >= kPlayerSlots) return false;
  return PlayerSlots[slot].screen == ScreenPlay;
}

int FloorBoxesDrawn(int boxStacks) {
  if (boxStacks < 0) return 0;
  return boxStacks > 24 ? 24 : boxStacks;
}

int FloorBoxDX(int box) {
  static const int kPileDX[6] = {10, -30, 90, -10, 30, 70};
  int pile = box / 4;
  if (pile < 0) pile = 0;
  if (pile > 5) pile = 5;
  return hall_view::kMachineDX + kPileDX[pile];
}

int ShelfBoxLook(int boxes) {
  if (boxes < 0) return 0;
  return boxes >= hall_view::kShelfLooks ? hall_view::kShelfLooks - 1 : boxes;
}

int HallTopLampLook(const MachineRecord& m, int) { return Blink256 != 0 && m.bigGames > 0 ? 0 : 1; }

int HallBandLook(const MachineRecord& m, int) {
  return Blink128 != 0 && (m.bigGames >= 1 || m.jacWins != 0) ? 1 : 0;
}

HallSlidePlan PlanHallSlideStep(int scroll, int cursor) {
  HallSlidePlan plan;
  // Nothing but a step of one machine starts a slide; a larger offset slides one machine too.
  if (scroll > hall_view::kSlotWidth) scroll = hall_view::kSlotWidth;
  if (scroll < -hall_view::kSlotWidth) scroll = -hall_view::kSlotWidth;
  bool back = scroll > 0;
  plan.mode = back ? 1 : 2;
  plan.drawBuffer = scroll == hall_view::kSlotWidth || scroll == -hall_view::kSlotWidth;
  // Across the island's sides there is nothing to slide past: the other side appears at once.
  bool jump = (scroll == hall_view::kSlotWidth && cursor % 8 == 7) ||
              (scroll == -hall_view::kSlotWidth && cursor % 8 == 0);
  if (jump) {
    plan.newScroll = 0;
  } else if (back) {
    plan.newScroll = scroll < hall_view::kSlideStep + 1 ? 0 : scroll - hall_view::kSlideStep;
  } else {
    plan.newScroll = scroll + hall_view::kSlideStep > 0 ? 0 : scroll + hall_view::kSlideStep;
  }
  plan.sourceX = back ? plan.newScroll : hall_view::kSlotWidth + plan.newScroll;
  return plan;
}
