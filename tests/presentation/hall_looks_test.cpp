// The hall view's rules: rows at the ends of the island, the stool of a player looking around,
// medal boxes from the machine's medals, bonus lamps, and the slide with its jumps.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "hall/player_slot.h"
#include "machine/machine_catalog.h"
#include "presentation/hall_looks.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

class HallLooks : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectMachine(kMachineNo1);
    ResetTickCounters();
    for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
    m = MachineRecord{};
  }
  // Ticks of a slide until it stands still; the source edges it showed on the way.
  std::vector<int> Slide(int scroll, int cursor, int* buffersDrawn) {
    std::vector<int> edges;
    *buffersDrawn = 0;
    for (int tick = 0; scroll != 0 && tick < 100; ++tick) {
      HallSlidePlan plan = PlanHallSlideStep(scroll, cursor);
      *buffersDrawn += plan.drawBuffer;
      EXPECT_GE(plan.sourceX, 0);
      EXPECT_LE(plan.sourceX + hall_view::kViewW, hall_view::kBufferW);
      edges.push_back(plan.sourceX);
      scroll = plan.newScroll;
    }
    return edges;
  }
  MachineRecord m;
};

TEST_F(HallLooks, RowsHoldTheCursorsMachineInTheCentreSlot) {
  EXPECT_EQ(HallSlotX(1), 118);  // centre slot 118..309
  EXPECT_EQ(HallSlotX(0) + hall_view::kSlotWidth, 118);
  HallRowPlan still = HallRowOf(0, 0);
  EXPECT_EQ(still.firstMachine, -1);  // left of machine 0: wall, floor and the island end
  EXPECT_EQ(still.slots, 3);
  EXPECT_EQ(HallRowOf(5, 1).firstMachine, 4);  // back: h-1 .. h+2
  EXPECT_EQ(HallRowOf(5, 2).firstMachine, 3);  // on:   h-2 .. h+1
  // Sides of the island: 7 and 8 never show each other.
  EXPECT_TRUE(OnCursorSide(7, 6));
  EXPECT_FALSE(OnCursorSide(8, 7));
  EXPECT_FALSE(OnCursorSide(7, 8));
  EXPECT_FALSE(OnCursorSide(16, 15));
  EXPECT_EQ(HallSideStart(7) + 8, 8);   // the right island end stands where 8 would be
  EXPECT_EQ(HallSideStart(15) + 8, 16);
}

TEST_F(HallLooks, StoolShowsWhoSitsThere) {
  EXPECT_FALSE(HallStoolSeated(m));
  m.occupant = OccupantCustomer;
  EXPECT_TRUE(HallStoolSeated(m));
  // P3 at the machine, then looking at the hall: the stool is empty while P3 is away.
  m.occupant = OccupantFirstPlayer + 2;
  PlayerSlots[2].screen = ScreenPlay;
  EXPECT_TRUE(HallStoolSeated(m));
  PlayerSlots[2].screen = ScreenHallAway;
  EXPECT_FALSE(HallStoolSeated(m));
  m.occupant = 9;  // no such occupant
  EXPECT_FALSE(HallStoolSeated(m));
}

TEST_F(HallLooks, MedalBoxesFollowTheMachinesBoxCounts) {
  // 1600 medals: one box on the floor, an empty shelf; 400: one box on the shelf.
  EXPECT_EQ(FloorBoxesDrawn(1), 1);
  EXPECT_EQ(ShelfBoxLook(0), 0);
  EXPECT_EQ(FloorBoxesDrawn(0), 0);
  EXPECT_EQ(ShelfBoxLook(1), 1);
  // Piles of four beside the stool, the first box on the floor.
  EXPECT_EQ(FloorBoxDX(0), 52 + 10);
  EXPECT_EQ(FloorBoxY(0), 416 - 28);
  EXPECT_EQ(FloorBoxY(3), 416 - 4 * 28);
  EXPECT_EQ(FloorBoxDX(4), 52 - 30);
  EXPECT_EQ(FloorBoxY(4), 416 - 28);
  EXPECT_EQ(FloorBoxDX(19), 52 + 30);
  // From the 21st box on everything goes to the last pile: its four places, then over again.
  for (int i = 20; i < 40; ++i) EXPECT_EQ(FloorBoxDX(i), 52 + 70) << i;
  EXPECT_EQ(FloorBoxesDrawn(31), 24);
  EXPECT_EQ(FloorBoxesDrawn(-1), 0);
  EXPECT_EQ(ShelfBoxLook(7), hall_view::kShelfLooks - 1);
}

TEST_F(HallLooks, BonusLampsBlinkTopInBigBonusAndFlashBandInAnyStage) {
  m.bigGames = 20;
  Blink256 = 1;
  Blink128 = 1;
  EXPECT_EQ(HallTopLampLook(m), 0);
  EXPECT_EQ(HallBandLook(m), 1);
  Blink256 = 0;
  Blink128 = 0;
  EXPECT_EQ(HallTopLampLook(m), 1);
  EXPECT_EQ(HallBandLook(m), 0);
  // A JAC stage (or one lined up) flashes the band only.
  m.bigGames = 0;
  m.jacWins = kMarker;
  Blink256 = 1;
  Blink128 = 1;
  EXPECT_EQ(HallTopLampLook(m), 1);
  EXPECT_EQ(HallBandLook(m), 1);
  // A big bonus lined up and not started is not yet lit.
  m.jacWins = 0;
  m.bigGames = kMarker;
  EXPECT_EQ(HallTopLampLook(m), 1);
  EXPECT_EQ(HallBandLook(m), 0);
}

TEST_F(HallLooks, SlideTakesTwelveTicksOfSixteenPixels) {
  int buffers = 0;
  // 3 -> 4: the view moves right along the buffer, from the old view to the new.
  std::vector<int> on = Slide(-192, 4, &buffers);
  ASSERT_EQ(on.size(), 12u);
  EXPECT_EQ(buffers, 1);
  for (size_t i = 0; i < on.size(); ++i) EXPECT_EQ(on[i], 16 * static_cast<int>(i + 1));
  // 4 -> 3: the other way, ending on the buffer's first slots.
  std::vector<int> back = Slide(192, 3, &buffers);
  ASSERT_EQ(back.size(), 12u);
  EXPECT_EQ(buffers, 1);
  for (size_t i = 0; i < back.size(); ++i) EXPECT_EQ(back[i], 176 - 16 * static_cast<int>(i));
  EXPECT_EQ(PlanHallSlideStep(192, 3).mode, 1);
  EXPECT_EQ(PlanHallSlideStep(-192, 4).mode, 2);
}

TEST_F(HallLooks, StepsAcrossTheSidesJumpAtOnce) {
  int buffers = 0;
  // 7 -> 8 and 15 -> 0 (next), 8 -> 7 and 0 -> 15 (previous): the other side appears at once,
  // showing the new still view of the buffer.
  for (auto [scroll, cursor] : {std::pair{-192, 8}, {-192, 0}, {192, 7}, {192, 15}}) {
    std::vector<int> edges = Slide(scroll, cursor, &buffers);
    ASSERT_EQ(edges.size(), 1u) << scroll << " " << cursor;
    EXPECT_EQ(buffers, 1);
    EXPECT_EQ(edges[0], scroll < 0 ? 192 : 0);
  }
  // A second step while sliding starts again from a full machine's width.
  HallSlidePlan again = PlanHallSlideStep(-192, 6);
  EXPECT_TRUE(again.drawBuffer);
  EXPECT_EQ(again.newScroll, -176);
  // Offsets beyond one machine slide one machine.
  EXPECT_EQ(PlanHallSlideStep(1000, 3).newScroll, 176);
}

}  // namespace
