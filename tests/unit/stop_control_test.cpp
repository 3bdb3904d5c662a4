// Stop control of machine No.1, checked against a brute-force view of the reels: every order
// of stops, every position at which each stop is resolved.
#include <algorithm>

#include "machine/families/no1/no1_family.h"
#include "machine/pay_lines.h"
#include "machine/stop_search.h"
#include "tests/unit/machine_test_support.h"

namespace {

class StopControlTest : public MachineTest {
 protected:
  // Stops the reels in `order`, each resolved with `tops[reel]` in its top row, and leaves
  // the reels at rest where stop control sent them.
  void StopAll(const int order[3], const int tops[3]) {
    for (int r = 0; r < 3; ++r) m.reelState[r] = 1;
    for (int i = 0; i < 3; ++i) {
      int reel = order[i];
      m.reelPos[reel] = 36 * tops[reel];
      m.reelState[reel] = kMarker;
      int n = model().stopControl(model(), m, reel);
      ASSERT_GE(n, 0) << "reel " << reel << " spins on";
      m.reelPos[reel] = 36 * Mod21(tops[reel] - n);
      m.reelState[reel] = 0;
    }
  }

  bool LineComplete(int line, bool jacPlay) const {
    int x = Shown(0, RowOf(line, 0), jacPlay);
    return x == Shown(1, RowOf(line, 1), jacPlay) && x == Shown(2, RowOf(line, 2), jacPlay);
  }

  bool AnyLineComplete(int bet, bool jacPlay) const {
    for (int line : kLineOrder) {
      if ((ActiveLines(bet) & line) && LineComplete(line, jacPlay)) return true;
    }
    return false;
  }

  bool CherryOnReel1() const {
    for (int row = 0; row < 3; ++row) {
      if (Shown(0, row) == SymbolCherry) return true;
    }
    return false;
  }

  // Could the last reel have avoided every line (and a cherry on reel 1) with a slide of 0..6?
  bool LastReelCouldAvoid(int lastReel, int restTop, int bet, bool jacPlay) {
    MachineRecord saved = m;
    bool possible = false;
    for (int n = 0; n <= 6 && !possible; ++n) {
      m.reelPos[lastReel] = 36 * Mod21(restTop - n);
      possible = !AnyLineComplete(bet, jacPlay) && !(lastReel == 0 && CherryOnReel1());
    }
    m = saved;
    return possible;
  }
};

const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

}  // namespace

TEST_F(StopControlTest, GameWithoutRoleNeverShowsAWinItCouldAvoid) {
  int avoidable = 0, completed = 0;
  for (int bet = 1; bet <= 3; ++bet) {
    for (const auto& order : kOrders) {
      for (int t = 0; t < 21 * 21 * 21; ++t) {
        int tops[3] = {t % 21, t / 21 % 21, t / 441};
        m.bet = bet;
        m.roleFlags = 0;
        StopAll(order, tops);
        ASSERT_FALSE(CherryOnReel1()) << "bet " << bet << " t " << t;
        if (!AnyLineComplete(bet, false)) continue;
        ++completed;
        // The last reel rested where it did; undo its slide to see what it could have done.
        int last = order[2];
        if (LastReelCouldAvoid(last, tops[last], bet, false)) ++avoidable;
      }
    }
  }
  EXPECT_EQ(avoidable, 0) << "completed " << completed;
}

TEST_F(StopControlTest, JacWinLinesUpOnTheMiddleWhateverTheTiming) {
  for (const auto& order : kOrders) {
    for (int t = 0; t < 21 * 21 * 21; ++t) {
      int tops[3] = {t % 21, t / 21 % 21, t / 441};
      m.bet = 1;
      m.jacWins = 6;
      m.jacGames = 12;
      m.roleFlags = RoleJac;
      StopAll(order, tops);
      ASSERT_TRUE(LineComplete(LineMiddle, true)) << "order " << order[0] << order[1] << " t " << t;
      ASSERT_EQ(Shown(1, RowMiddle, true), SymbolJac);
      ASSERT_FALSE(CherryOnReel1());
    }
  }
}

TEST_F(StopControlTest, BigBonusNeedsTimelyPresses) {
  // Seven sits once on reels 2 and 3: some timings line it up, others carry the role over.
  int linedUp = 0, carried = 0;
  for (int t = 0; t < 21 * 21 * 21; ++t) {
    int tops[3] = {t % 21, t / 21 % 21, t / 441};
    m.bet = 1;
    m.roleFlags = RoleBig;
    StopAll(kOrders[0], tops);
    if (LineComplete(LineMiddle, false)) {
      ++linedUp;
      EXPECT_EQ(Shown(0, RowMiddle), SymbolSeven);
    } else {
      ++carried;
    }
  }
  EXPECT_GT(linedUp, 0);
  EXPECT_GT(carried, linedUp);
  // Stop the middle reel with Seven at most six symbols above the middle row and it arrives.
  int reach = 0;
  for (int top = 0; top < 21; ++top) {
    m.reelPos[1] = 36 * top;
    StopView v{model(), m, kNo1StopRules};
    int n = FindSlide(v, RowMiddle, 1, SymbolSeven);
    if (SymbolAfter(model(), m, 1, RowMiddle, n, false) == SymbolSeven) ++reach;
  }
  EXPECT_EQ(reach, 7);
}

TEST_F(StopControlTest, ReachListFollowsTheBet) {
  StopView v{model(), m, kNo1StopRules};
  for (int bet = 1; bet <= 3; ++bet) {
    m.bet = bet;
    int most = 0;
    for (int t = 0; t < 21 * 21; ++t) {
      PlaceReel(0, t % 21);
      PlaceReel(1, t / 21);
      ReachList list = BuildReachList(v, 2);
      most = std::max(most, list.count);
      for (int i = 0; i < list.count; ++i) {
        if (bet == 1) {
          ASSERT_EQ(list.entry[i].row, RowMiddle);
        }
      }
    }
    EXPECT_LE(most, bet == 1 ? 1 : bet == 2 ? 3 : 5);
    EXPECT_GE(most, 1);
  }
}

TEST_F(StopControlTest, FirstStopChoosesLineAndSymbolForTheRole) {
  StopView v{model(), m, kNo1StopRules};
  for (int t = 0; t < 21; ++t) {
    PlaceReel(0, t);
    // No role: diagonal down, any symbol, never a cherry on reel 1.
    m.bet = 3;
    m.roleFlags = 0;
    m.reelState[0] = kMarker;
    m.reelState[1] = m.reelState[2] = 1;
    int n = No1StopControl(model(), m, 0);
    EXPECT_EQ(m.targetLine, LineDiagonalDown);
    EXPECT_EQ(m.targetSymbol, SymbolAny);
    EXPECT_FALSE(CherryForbidden(v, SymbolAny, 0, n));
    // Fruit: the fruit reachable sooner on the top row, then its line.
    m.roleFlags = RoleFruit;
    n = No1StopControl(model(), m, 0);
    int x = FindSlide(v, RowTop, 0, SymbolFruitB);
    int y = FindSlide(v, RowTop, 0, SymbolFruitA);
    EXPECT_EQ(m.targetSymbol, y < x ? SymbolFruitA : SymbolFruitB);
    if (m.targetSymbol == SymbolFruitA) {
      EXPECT_TRUE(m.targetLine == LineMiddle || m.targetLine == LineTop ||
                  m.targetLine == LineDiagonalDown);
    } else {
      EXPECT_TRUE(m.targetLine == LineMiddle || m.targetLine == LineBottom ||
                  m.targetLine == LineDiagonalUp);
    }
    // Single bonus: Pyramid or Lamp, whichever comes first (a tie goes to Lamp).
    m.roleFlags = RoleSingle | RoleBig;  // the highest role is served
    n = No1StopControl(model(), m, 0);
    int row = RowOf(m.targetLine, 0);
    int a = FindSlide(v, row, 0, SymbolPyramid);
    int b = FindSlide(v, row, 0, SymbolLamp);
    EXPECT_EQ(m.targetSymbol, a < b ? SymbolPyramid : SymbolLamp);
    EXPECT_EQ(n, std::min(a, b));
    // Bet 1 always aims at the middle line.
    m.bet = 1;
    m.roleFlags = RoleCherry;
    No1StopControl(model(), m, 0);
    EXPECT_EQ(m.targetLine, LineMiddle);
    EXPECT_EQ(m.targetSymbol, SymbolCherry);
  }
}

TEST_F(StopControlTest, CherryRuleOnlyOnReelOneAndOnlyForOtherTargets) {
  StopView v{model(), m, kNo1StopRules};
  // Reel 1 top index 3 shows Bar, Cherry, Seven.
  PlaceReel(0, 3);
  EXPECT_TRUE(CherryForbidden(v, SymbolAny, 0, 0));
  EXPECT_TRUE(CherryForbidden(v, SymbolFruitA, 0, 0));
  EXPECT_FALSE(CherryForbidden(v, SymbolSeven, 0, 0));
  EXPECT_FALSE(CherryForbidden(v, SymbolCherry, 0, 0));
  PlaceReel(1, 10);  // reel 2 shows 8, 2 (cherry), 1
  EXPECT_FALSE(CherryForbidden(v, SymbolAny, 1, 0));
  // Stopped last, reel 1 still keeps the cherry away in a game without role (order 3-2-1).
  for (int t = 0; t < 21 * 21 * 21; ++t) {
    int tops[3] = {t % 21, t / 21 % 21, t / 441};
    m.bet = 2;
    m.roleFlags = 0;
    StopAll(kOrders[5], tops);
    for (int row = 0; row < 3; ++row) ASSERT_NE(Shown(0, row), SymbolCherry);
  }
}
