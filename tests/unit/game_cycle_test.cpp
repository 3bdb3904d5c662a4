// The game cycle of machine No.1: betting, the lever and its minimum interval, scoring,
// the pay-out with its credit pause, bonus starts, medal boxes and sound requests.
#include <algorithm>
#include <cstring>

#include "machine/families/no1/no1_family.h"
#include "machine/pay_lines.h"
#include "tests/unit/machine_test_support.h"

namespace {

class GameCycleTest : public MachineTest {
 protected:
  // A machine at rest showing the given top rows, in state 4 with all reels at rest: the next
  // tick evaluates the game.
  void ReadyToEvaluate(int top1, int top2, int top3, int bet) {
    PlaceReel(0, top1);
    PlaceReel(1, top2);
    PlaceReel(2, top3);
    m.bet = bet;
    m.state = StateReelsSpinning;
    m.stateTimer = 0;
  }

  // Finds reel tops whose scoring, at the given bet, satisfies the predicate.
  template <typename Pred>
  bool FindTops(int bet, Pred pred, int tops[3]) {
    for (int t = 0; t < 21 * 21 * 21; ++t) {
      MachineRecord probe = m;
      probe.reelPos[0] = 36 * (t % 21);
      probe.reelPos[1] = 36 * (t / 21 % 21);
      probe.reelPos[2] = 36 * (t / 441);
      probe.bet = bet;
      if (pred(probe)) {
        tops[0] = t % 21;
        tops[1] = t / 21 % 21;
        tops[2] = t / 441;
        return true;
      }
    }
    return false;
  }

  // Sum of what each open line would pay alone.
  int LinePays(const MachineRecord& probe) {
    int sum = 0;
    for (int line : kLineOrder) {
      if (!(ActiveLines(probe.bet) & line)) continue;
      int x = SymbolAfter(model(), probe, 0, RowOf(line, 0), 0, false);
      int y = SymbolAfter(model(), probe, 1, RowOf(line, 1), 0, false);
      int z = SymbolAfter(model(), probe, 2, RowOf(line, 2), 0, false);
      if (x == y && y == z) sum += x <= 1 ? 15 : x == 3 || x == 4 ? 10 : 8;
      else if (x == SymbolCherry) sum += y == SymbolCherry ? 5 : 2;
    }
    return sum;
  }
};

}  // namespace

TEST_F(GameCycleTest, BetsUpToTheMaximumThenCredits) {
  m.medals = 10;
  for (int i = 0; i < 5; ++i) MedalIn(m);
  EXPECT_EQ(m.state, StateBetting);
  EXPECT_EQ(m.bet, 3);
  EXPECT_EQ(m.credit, 2);
  EXPECT_EQ(m.medals, 7);
  EXPECT_EQ(m.soundRequest, 704);

  // In JAC play one medal is the most.
  m = MachineRecord{};
  ResetMachine(m, ResetFull);
  m.medals = 10;
  m.jacWins = 6;
  m.jacGames = 12;
  MedalIn(m);
  MedalIn(m);
  EXPECT_EQ(m.bet, 1);
  EXPECT_EQ(m.credit, 1);

  // The credit holds 50 at most; the bet button needs credit.
  m = MachineRecord{};
  ResetMachine(m, ResetFull);
  m.medals = 100;
  m.credit = 50;
  BetFromCredit(m);
  BetFromCredit(m);
  EXPECT_EQ(m.bet, 2);
  EXPECT_EQ(m.credit, 48);
  EXPECT_EQ(m.medals, 98);
  MedalIn(m);  // third bet from the tray
  MedalIn(m);  // into the credit
  MedalIn(m);
  MedalIn(m);
  EXPECT_EQ(m.credit, 50);
  EXPECT_EQ(m.medals, 97);
}

TEST_F(GameCycleTest, NothingHappensWithoutMedalsOrOutOfState) {
  MachineRecord before = m;
  BetFromCredit(m);  // no credit
  MedalIn(m);        // no medals in the tray
  StartLever(m);     // not betting
  StopReel(m, 0);    // not spinning
  EXPECT_EQ(0, std::memcmp(&before, &m, sizeof m));
  m.medals = 5;
  m.credit = 5;  // everything is in the credit: the tray is empty
  MedalIn(m);
  EXPECT_EQ(m.state, StateIdle);
  // A stop index out of range is ignored.
  m.state = StateReelsSpinning;
  for (int r = 0; r < 3; ++r) m.reelState[r] = 1;
  StopReel(m, -19);
  StopReel(m, 3);
  EXPECT_EQ(m.reelState[0] + m.reelState[1] + m.reelState[2], 3);
  // One stop at a time.
  StopReel(m, 1);
  StopReel(m, 2);
  EXPECT_EQ(m.reelState[1], kMarker);
  EXPECT_EQ(m.reelState[2], 1);
}

TEST_F(GameCycleTest, LateLeverBuzzesAndTheReelsWaitForTheInterval) {
  m.medals = 10;
  MedalIn(m);
  m.spinWait = 10;  // ten slow ticks after the previous start
  StartLever(m);
  EXPECT_EQ(m.soundRequest, 705);
  EXPECT_EQ(m.state, StateLeverPulled);
  int slowTicks = 0;
  while (m.state == StateLeverPulled) {
    Tick();
    if (Phase128 == 0) ++slowTicks;
    ASSERT_LT(slowTicks, 100);
  }
  EXPECT_EQ(slowTicks, 15);
  EXPECT_EQ(m.soundRequest, 706);
  EXPECT_EQ(m.spinWait, 0);
  // Four slow ticks later the stop buttons are accepted.
  slowTicks = 0;
  while (m.state == StateReelsStarting) {
    Tick();
    if (Phase128 == 0) ++slowTicks;
  }
  EXPECT_EQ(m.state, StateReelsSpinning);
  EXPECT_EQ(slowTicks, 4);

  // A lever at the interval does not buzz.
  m = MachineRecord{};
  ResetMachine(m, ResetFull);
  m.medals = 10;
  MedalIn(m);
  m.spinWait = 24;
  StartLever(m);
  EXPECT_EQ(m.soundRequest, 704);
}

TEST_F(GameCycleTest, ReelsTurnHalfASymbolPerTickAndStopAtTheChosenSlide) {
  m.medals = 10;
  MedalIn(m);
  StartLever(m);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateReelsSpinning; }));
  int before = m.reelPos[0];
  Tick();
  int after = m.reelPos[0];
  EXPECT_TRUE(after == before - 18 || (before - 18 <= 36 && after == 792)) << before << " " << after;
  // A full turn takes 42 ticks.
  int start = m.reelPos[1];
  int ticks = 0;
  do {
    Tick();
    ++ticks;
  } while (m.reelPos[1] != start);
  EXPECT_EQ(ticks, 42);
  // The stop resolves at the next boundary and runs exactly the slide chosen there.
  StopReel(m, 0);
  ASSERT_TRUE(TickUntil([&] { return m.reelState[0] != kMarker; }));
  int slide = -m.reelState[0];
  int boundaryTop = TopStripIndex(36, m.reelPos[0]);
  ASSERT_TRUE(TickUntil([&] { return m.reelState[0] == 0; }));
  EXPECT_EQ(TopStripIndex(36, m.reelPos[0]), Mod21(boundaryTop - slide));
  EXPECT_EQ(m.reelPos[0] % 36, 0);
  EXPECT_EQ(m.reelRestMark, 1);
}

TEST_F(GameCycleTest, FullCreditPausesThePayout) {
  m.medals = 60;
  m.credit = 45;
  m.state = StatePayingOut;
  m.payoutPending = 15;
  m.stateTimer = 0;
  m.spinWait = 40;  // the slow-tick counters run while the reels started recently
  int slowTick = 0, lastPaidAt = -1, longestGap = 0, paid = 0;
  bool sawFullSound = false;
  while (m.state == StatePayingOut) {
    int pending = m.payoutPending;
    Tick();
    if (Phase128 == 0) ++slowTick;
    if (m.payoutPending < pending) {
      ++paid;
      if (lastPaidAt >= 0) longestGap = std::max(longestGap, slowTick - lastPaidAt);
      lastPaidAt = slowTick;
      if (paid == 5) {
        EXPECT_EQ(m.credit, 50);
        EXPECT_EQ(m.soundRequest, 709);
        EXPECT_EQ(m.stateTimer, -3);
        sawFullSound = true;
      }
    }
    ASSERT_LT(slowTick, 200);
  }
  EXPECT_TRUE(sawFullSound);
  EXPECT_EQ(paid, 15);
  EXPECT_EQ(m.medals, 75);
  EXPECT_EQ(m.credit, 50);
  EXPECT_EQ(m.paidThisGame, 15);
  EXPECT_GE(longestGap, 3);  // three slow ticks of pause
  EXPECT_LE(longestGap, 4);
  EXPECT_EQ(m.state, StateGameOver);
  Tick();
  EXPECT_EQ(m.state, StateIdle);
}

TEST_F(GameCycleTest, TwoWinningLinesAddUpToFifteenAtMost) {
  int tops[3];
  // Two or more lines that together would pay over 15.
  ASSERT_TRUE(FindTops(3, [&](const MachineRecord& p) { return LinePays(p) > 15; }, tops));
  ReadyToEvaluate(tops[0], tops[1], tops[2], 3);
  Tick();
  EXPECT_EQ(m.payoutPending, 15);
  // Below the cap the lines add up: two cherry lines (a corner cherry) pay 2 + 2.
  ASSERT_TRUE(FindTops(3, [&](const MachineRecord& p) {
    return SymbolAfter(model(), p, 0, 0, 0, false) == SymbolCherry && LinePays(p) == 4;
  }, tops));
  m = MachineRecord{};
  ResetMachine(m, ResetFull);
  m.roleFlags = RoleCherry;
  ReadyToEvaluate(tops[0], tops[1], tops[2], 3);
  Tick();
  EXPECT_EQ(m.payoutPending, 4);
  EXPECT_EQ(m.litLines, LineTop | LineDiagonalDown);
  EXPECT_EQ(m.roleFlags & RoleCherry, 0);
}

TEST_F(GameCycleTest, BetOfOneScoresTheMiddleLineOnly) {
  // Reel 1 top index 3 shows Bar, Cherry, Seven: a cherry in the middle row.
  // Top index 10 shows Seven, Cherry, Bar... find a cherry in the top row instead.
  int tops[3];
  ASSERT_TRUE(FindTops(1, [&](const MachineRecord& p) {
    return SymbolAfter(model(), p, 0, RowTop, 0, false) == SymbolCherry &&
           SymbolAfter(model(), p, 0, RowMiddle, 0, false) != SymbolCherry;
  }, tops));
  m.roleFlags = RoleCherry;
  ReadyToEvaluate(tops[0], tops[1], tops[2], 1);
  Tick();
  EXPECT_EQ(m.payoutPending, 0);
  EXPECT_EQ(m.litLines, 0);
  EXPECT_EQ(m.roleFlags, RoleCherry);
  // Control: with a bet of 2 the same cherry pays and clears the role.
  m.roleFlags = RoleCherry;
  ReadyToEvaluate(tops[0], tops[1], tops[2], 2);
  Tick();
  EXPECT_GE(m.payoutPending, 2);
  EXPECT_EQ(m.roleFlags, 0);
}

TEST_F(GameCycleTest, SevensStartABigBonusAfterThePayout) {
  // Seven is at index 0 of every strip; top 20 puts it in the middle row.
  m.roleFlags = RoleBig;
  m.medals = 3;
  ReadyToEvaluate(20, 20, 20, 1);
  Tick();
  EXPECT_EQ(m.payoutPending, 15);
  EXPECT_EQ(m.bigGames, kMarker);
  EXPECT_EQ(m.roleFlags, 0);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }));
  EXPECT_EQ(m.bigGames, 30);
  EXPECT_EQ(m.bigCountDay[2], 1);
  EXPECT_EQ(m.soundRequest, kMarker);
  EXPECT_EQ(m.medals, 18);
  EXPECT_TRUE(m.redrawFlags & RedrawBigChanceLamp);
}

TEST_F(GameCycleTest, JacInOnTheLastGeneralGameStillStartsItsStage) {
  // Reel 1 index 6 (FruitAJac), reel 2 index 6 (FruitBJac), reel 3 index 7 (FruitAJac): Jac in
  // JAC play, in the middle row when the tops are one above.
  m.bigGames = 1;
  m.bigNet = 100;
  m.roleFlags = RoleJac;
  m.targetSymbol = SymbolJac;
  ReadyToEvaluate(5, 5, 6, 3);
  int sinceBig = m.gamesSinceBig;
  Tick();
  EXPECT_EQ(m.payoutPending, 0) << "a JAC-in pays nothing";
  EXPECT_EQ(m.jacWins, kMarker);
  EXPECT_EQ(m.bigGames, 0);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }));
  EXPECT_EQ(m.jacWins, 6);
  EXPECT_EQ(m.jacGames, 12);
  EXPECT_EQ(m.jacStage, 1);
  EXPECT_EQ(m.gamesSinceBig, sinceBig);
}

TEST_F(GameCycleTest, JacStageEndsTheBigBonusOnlyPastItsNet) {
  for (int net : {280, 281}) {
    m = MachineRecord{};
    ResetMachine(m, ResetFull);
    m.bigGames = 12;
    m.bigNet = net - 14;  // the last JAC win adds 15 - 1
    m.jacWins = 1;
    m.jacGames = 4;
    m.gamesSinceBig = 77;
    m.roleFlags = RoleJac;
    m.targetSymbol = SymbolJac;
    ReadyToEvaluate(5, 5, 6, 1);
    Tick();
    EXPECT_EQ(m.payoutPending, 15);
    EXPECT_EQ(m.jacWins, 0);
    EXPECT_EQ(m.soundRequest, kMarker);
    if (net > 280) {
      EXPECT_EQ(m.bigGames, 0);
      EXPECT_EQ(m.gamesSinceBig, 0);
    } else {
      EXPECT_EQ(m.bigGames, 12);
      EXPECT_EQ(m.gamesSinceBig, 77);
    }
  }
}

TEST_F(GameCycleTest, SingleBonusIsOneJacGame) {
  // Lamp (3) at reel 1 index 8, reel 2 index 4, reel 3 index 4: middle row when tops are one above.
  m.roleFlags = RoleSingle;
  m.medals = 3;
  ReadyToEvaluate(7, 3, 3, 1);
  Tick();
  EXPECT_EQ(m.payoutPending, 10);
  EXPECT_EQ(m.singleBonus, kMarker);
  EXPECT_EQ(m.soundRequest, 703);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }));
  EXPECT_EQ(m.jacWins, 1);
  EXPECT_EQ(m.jacGames, 1);
  EXPECT_EQ(m.jacStage, 1);
}

TEST_F(GameCycleTest, StopSoundRequestIsNeverOverwritten) {
  m.medals = 10;
  m.soundRequest = kMarker;
  MedalIn(m);
  EXPECT_EQ(m.soundRequest, kMarker);
  StartLever(m);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateReelsSpinning; }));
  EXPECT_EQ(m.soundRequest, kMarker);
}

TEST_F(GameCycleTest, MedalBoxesFollowTheMedals) {
  m.medals = 399;
  m.state = StatePayingOut;
  m.payoutPending = 2;
  ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }));
  EXPECT_EQ(m.boxes, 1);
  EXPECT_EQ(m.boxStacks, 0);
  m.medals = 1601;
  m.state = StatePayingOut;
  m.payoutPending = 0;
  Tick();
  EXPECT_EQ(m.boxes, 0);
  EXPECT_EQ(m.boxStacks, 1);
}

TEST_F(GameCycleTest, AutomaticStopAfterTheLongWait) {
  m.state = StateReelsSpinning;
  for (int r = 0; r < 3; ++r) m.reelState[r] = 1;
  m.stateTimer = 480;
  m.spinWait = 0;
  Tick();
  EXPECT_EQ(m.reelState[0], 1) << "not before the 481st slow tick";
  ASSERT_TRUE(TickUntil([&] { return m.reelState[0] != 1; }, 16));
  EXPECT_TRUE(m.reelState[0] == kMarker || m.reelState[0] <= 0);
  ASSERT_TRUE(TickUntil([&] { return m.state == StatePayingOut; }, 2000));
}

TEST_F(GameCycleTest, NoRestoredTimerCombinationStopsTheMachine) {
  // Held spinWait with a pause still to run, a start still to finish, reels still spinning.
  for (int state : {StatePayingOut, StateReelsStarting, StateReelsSpinning}) {
    m = MachineRecord{};
    ResetMachine(m, ResetFull);
    m.state = state;
    m.spinWait = 1024;
    m.stateTimer = state == StatePayingOut ? -3 : 0;
    m.payoutPending = state == StatePayingOut ? 2 : 0;
    m.bet = 1;
    for (int r = 0; r < 3; ++r) m.reelState[r] = state == StatePayingOut ? 0 : 1;
    ASSERT_TRUE(TickUntil([&] { return m.state == StateIdle; }, 20000)) << "state " << state;
  }
}
