// The lottery of machine No.1: which roles each kind of game can win, the big bonus stock and
// its streak mode, the single-bonus high mode.
#include "machine/families/no1/no1_family.h"
#include "tests/unit/machine_test_support.h"

namespace {

class LotteryTest : public MachineTest {
 protected:
  // One draw on a copy of the machine as set up; returns the copy after the draw.
  MachineRecord Draw(const MachineRecord& setup) {
    MachineRecord copy = setup;
    copy.roleFlags = 0;
    model().lotteryDraw(model(), copy);
    return copy;
  }
};

}  // namespace

TEST_F(LotteryTest, BigBonusComesOnlyFromTheStock) {
  m.bet = 3;
  m.bigStock = 0;
  int bigFromEmpty = 0;
  for (int i = 0; i < 100000; ++i) {
    MachineRecord after = Draw(m);
    ASSERT_GE(after.bigStock, 0);
    if (after.roleFlags & RoleBig) ++bigFromEmpty;
  }
  // Only when the stock draw and the release draw both win in one game: about 1 in 100,000.
  EXPECT_LE(bigFromEmpty, 5);

  // Control: with a stocked bonus the same draws release about one game in 300.
  m.bigStock = 5;
  int bigFromStock = 0;
  for (int i = 0; i < 100000; ++i) {
    MachineRecord after = Draw(m);
    if (after.roleFlags & RoleBig) {
      ++bigFromStock;
      EXPECT_TRUE(after.bigStock == 4 || after.bigStock == 5) << after.bigStock;
    }
  }
  EXPECT_GT(bigFromStock, 200);
}

TEST_F(LotteryTest, StreakModeReleasesQuicklyAndDrawsNoRegular) {
  m.bet = 3;
  m.bigStock = 1000;
  m.streakMode = 1;
  int big = 0, regular = 0, switchedBack = 0;
  for (int i = 0; i < 200000; ++i) {
    MachineRecord after = Draw(m);
    if (after.roleFlags & RoleBig) {
      ++big;
      if (after.streakMode == 0) ++switchedBack;
    }
    if (after.roleFlags & RoleRegular) ++regular;
  }
  EXPECT_EQ(regular, 0);
  EXPECT_GT(big, 200000 / 60);  // about one in 48
  EXPECT_LT(big, 200000 / 40);
  EXPECT_GT(switchedBack, big / 6);  // one release in four ends the streak
  EXPECT_LT(switchedBack, big / 3);
}

TEST_F(LotteryTest, JacGamesWinTwoInThreeAndWhenEveryGameMustWin) {
  m.jacWins = 3;
  m.jacGames = 3;
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(Draw(m).roleFlags, RoleJac);
  // Control: with a game to spare some games lose (about one in three).
  m.jacGames = 5;
  int lost = 0;
  for (int i = 0; i < 3000; ++i) lost += Draw(m).roleFlags == 0 ? 1 : 0;
  EXPECT_GT(lost, 800);
  EXPECT_LT(lost, 1200);
  // A single bonus's JAC game always wins.
  m.jacWins = 1;
  m.jacGames = 1;
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(Draw(m).roleFlags, RoleJac);
}

TEST_F(LotteryTest, BigBonusGeneralGamesGiveFruitOrTheJacIn) {
  m.bet = 3;
  for (int left = 1; left <= 30; ++left) {
    for (int net : {0, 280, 281}) {
      m.bigGames = left;
      m.bigNet = net;
      uint32_t before = GameRandomState();
      MachineRecord after = Draw(m);
      EXPECT_EQ(GameRandomState(), before) << "no random draw in a general game";
      bool jacIn = left == 28 || left == 22 || left == 1 || net > 280;
      EXPECT_EQ(after.roleFlags, jacIn ? RoleJac : RoleFruit) << left << " " << net;
    }
  }
}

TEST_F(LotteryTest, HighModeStartsNextGameAndEnds) {
  m.bet = 3;
  int entered = 0;
  for (int i = 0; i < 200000; ++i) {
    MachineRecord after = Draw(m);
    if (after.highModeCount == 128) ++entered;  // not yet used: it counts from the next game
  }
  EXPECT_GT(entered, 200000 / 2731 / 2);
  EXPECT_LT(entered, 200000 / 2731 * 2);

  // In the mode about one game in four wins a single bonus and uses up one of the count.
  m.highModeCount = 128;
  int singles = 0, ended = 0;
  for (int i = 0; i < 20000; ++i) {
    MachineRecord after = Draw(m);
    if (after.roleFlags & RoleSingle) {
      ++singles;
      if (after.highModeCount != 0) {
        EXPECT_EQ(after.highModeCount, 127);
      }
    }
    if (after.highModeCount == 0) ++ended;
  }
  EXPECT_GT(singles, 4500);
  EXPECT_LT(singles, 5500);
  // Ended by the per-game draw (one in 288) or a bonus: a few hundred in 20,000.
  EXPECT_GT(ended, 20000 / 400);
  EXPECT_LT(ended, 20000 / 100);
}

TEST_F(LotteryTest, RolesAccumulateUntilLinedUp) {
  m.bet = 3;
  m.roleFlags = RoleRegular;
  MachineRecord copy = m;
  for (int i = 0; i < 1000; ++i) {
    model().lotteryDraw(model(), copy);
    ASSERT_TRUE(copy.roleFlags & RoleRegular);
  }
}
