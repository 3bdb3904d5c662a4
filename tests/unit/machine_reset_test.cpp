// Machine resets: what each type keeps, and the idle display that never shows a win.
#include <cstring>

#include "machine/families/no1/no1_family.h"
#include "tests/unit/machine_test_support.h"

namespace {

class MachineResetTest : public MachineTest {
 protected:
  // A machine in the middle of a big bonus's JAC stage, with a player and medals.
  void FillMidBonus() {
    m.occupant = 3;
    m.autoPlay = 1;
    m.pendingNotice = 2;
    m.stopOrder = 1;
    m.medals = 420;
    m.credit = 20;
    m.boxes = 1;
    m.bigGames = 17;
    m.jacWins = 4;
    m.jacGames = 7;
    m.bigNet = 150;
    m.jacStage = 2;
    m.roleFlags = RoleJac | RoleRegular;
    m.bigStock = 3;
    m.streakMode = 1;
    m.highModeCount = 9;
    m.gamesSinceBig = 321;
    m.setting = 4;
    m.bigCountDay[0] = 1;
    m.bigCountDay[1] = 2;
    m.bigCountDay[2] = 3;
    m.soundRequest = 707;
    m.redrawFlags = 255;
    m.reelPos[0] = 500;
    m.reserved2 = 77;
    m.jacSequence = 5;
  }
};

}  // namespace

TEST_F(MachineResetTest, VacateKeepsTheBonusForTheNextOccupant) {
  FillMidBonus();
  MachineRecord before = m;
  ResetMachine(m, ResetVacate);
  EXPECT_EQ(m.occupant, 0);
  EXPECT_EQ(m.medals, 0);
  EXPECT_EQ(m.credit, 0);
  EXPECT_EQ(m.autoPlay, 0);
  EXPECT_EQ(m.pendingNotice, 0);
  EXPECT_EQ(m.soundRequest, 0);
  EXPECT_EQ(m.bigGames, before.bigGames);
  EXPECT_EQ(m.jacWins, before.jacWins);
  EXPECT_EQ(m.jacGames, before.jacGames);
  EXPECT_EQ(m.bigNet, before.bigNet);
  EXPECT_EQ(m.roleFlags, before.roleFlags);
  EXPECT_EQ(m.reelPos[0], before.reelPos[0]);
  // An unknown type clears exactly the same fields.
  MachineRecord viaUnknown = before;
  ResetMachine(viaUnknown, 9);
  EXPECT_EQ(0, std::memcmp(&viaUnknown, &m, sizeof m));
}

TEST_F(MachineResetTest, FullAndNewDayResets) {
  FillMidBonus();
  ResetMachine(m, ResetNewDay);
  EXPECT_EQ(m.bigGames, 0);
  EXPECT_EQ(m.jacWins, 0);
  EXPECT_EQ(m.roleFlags, 0);
  EXPECT_EQ(m.streakMode, 0);
  EXPECT_EQ(m.gamesSinceBig, 0);
  EXPECT_EQ(m.jacSequence, 0);
  EXPECT_EQ(m.spinWait, 1024);
  EXPECT_EQ(m.stateTimer, 1024);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(m.reelPos[r], 720);
  EXPECT_EQ(m.setting, 4) << "a new day keeps the setting, the stock and the counts";
  EXPECT_EQ(m.bigStock, 3);
  EXPECT_EQ(m.highModeCount, 9);
  EXPECT_EQ(m.bigCountDay[2], 3);
  EXPECT_EQ(m.reserved2, 77) << "field 2 is never written";
  ResetMachine(m, ResetFull);
  EXPECT_EQ(m.setting, 2);
  EXPECT_EQ(m.bigStock, 0);
  EXPECT_EQ(m.highModeCount, 0);
  EXPECT_EQ(m.bigCountDay[0] + m.bigCountDay[1] + m.bigCountDay[2], 0);
  EXPECT_EQ(m.reserved2, 77);
}

TEST_F(MachineResetTest, IdleDisplayKeepsTheLotteryAndShowsNoWin) {
  int wins = 0, bets[4] = {0, 0, 0, 0};
  for (uint32_t seed = 1; seed <= 20000; ++seed) {
    SeedGameRandom(seed);
    FillMidBonus();
    ResetMachine(m, ResetIdleDisplay);
    ASSERT_GE(m.bet, 1);
    ASSERT_LE(m.bet, 3);
    ++bets[m.bet];
    EXPECT_EQ(m.bigGames, 0);
    EXPECT_EQ(m.jacWins, 0);
    EXPECT_EQ(m.streakMode, 1) << "kept";
    EXPECT_EQ(m.gamesSinceBig, 321) << "kept";
    EXPECT_EQ(m.bigStock, 3) << "kept";
    for (int r = 0; r < 3; ++r) {
      ASSERT_EQ(m.reelPos[r] % 36, 0);
      ASSERT_GE(m.reelPos[r], 0);
      ASSERT_LE(m.reelPos[r], 720);
    }
    MachineRecord scored = m;
    if (model().lineMask(model(), scored) != 0 || model().payout(model(), scored) != 0) ++wins;
  }
  EXPECT_EQ(wins, 0);
  for (int b = 1; b <= 3; ++b) EXPECT_GT(bets[b], 6000);
}

TEST_F(MachineResetTest, ReelWrapIsSeamless) {
  EXPECT_EQ(TopStripIndex(36, 792), TopStripIndex(36, 36));
  EXPECT_EQ(TopStripIndex(34, 748), TopStripIndex(34, 34));
  EXPECT_EQ(TopStripIndex(32, 704), TopStripIndex(32, 32));
  EXPECT_EQ(ReelHomePosition(32), 640);
  EXPECT_EQ(ReelHomePosition(34), 680);
  EXPECT_EQ(ReelStepPerTick(34, 16), 17);
  EXPECT_EQ(ReelStepPerTick(36, 32), 36);
  EXPECT_EQ(ReelStepPerTick(36, 8), 0);
  // A stored position that is not a real one still reads a strip index inside the strip.
  EXPECT_EQ(TopStripIndex(36, -36), 20);
  EXPECT_GE(TopStripIndex(36, -1000000), 0);
}
