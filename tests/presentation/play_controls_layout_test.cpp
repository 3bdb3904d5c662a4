// The play controls' places and where the cursor goes after a real press: onto the control
// automatic play would press next.
#include <gtest/gtest.h>

#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "presentation/game_description.h"
#include "presentation/play_controls_layout.h"
#include "base/tick_counters.h"

namespace {

TEST(PlayControlsLayout, StopButtonsStandSeventyNineApartWithTheirReels) {
  SelectGame(*GameDescriptionOf(1));
  PlayControlPlace stop1, stop3, p;
  ASSERT_TRUE(PlayControlPlaceOf(ControlStop1, stop1));
  ASSERT_TRUE(PlayControlPlaceOf(ControlStop3, stop3));
  EXPECT_EQ(stop3.x - stop1.x, 2 * 79);
  EXPECT_FALSE(PlayControlPlaceOf(ControlNone, p));
  EXPECT_FALSE(PlayControlPlaceOf(26, p));
  for (int c = ControlMedalIn; c <= ControlStop3; ++c) {
    ASSERT_TRUE(PlayControlPlaceOf(c, p));
    EXPECT_EQ(p.control, c);
    // Every cursor target lies on its control.
    EXPECT_LT(p.targetX, p.w);
    EXPECT_LT(p.targetY, p.h);
  }
}

TEST(PlayControlsLayout, CursorFollowsTheGame) {
  SelectMachine(kMachineNo1);
  SelectGame(*GameDescriptionOf(1));
  ResetTickCounters();
  MachineRecord m{};
  ResetMachine(m, ResetFull);
  m.occupant = OccupantFirstPlayer;
  m.medals = 100;
  CursorTarget t;
  // Medals in the tray and nothing bet: the medal slot at (40, 12).
  ASSERT_TRUE(NextCursorTarget(m, t));
  EXPECT_EQ(t.control, ControlMedalIn);
  EXPECT_EQ(t.x, 40);
  EXPECT_EQ(t.y, 12);
  // The bet complete: onto the lever at (17, 17).
  MedalIn(m);
  MedalIn(m);
  MedalIn(m);
  ASSERT_EQ(m.bet, 3);
  ASSERT_TRUE(NextCursorTarget(m, t));
  EXPECT_EQ(t.control, ControlStartLever);
  EXPECT_EQ(t.x, 17);
  EXPECT_EQ(t.y, 17);
}

}  // namespace
