// Long random runs of machine No.1: customers and meddling players, every invariant of the
// machine record checked after every tick, and every pay and every bonus backed by a role.
#include <cstring>

#include "machine/families/no1/no1_family.h"
#include "tests/unit/bonus_checks.h"
#include "tests/unit/machine_test_support.h"
#include "tools/slotsim/payout_table.h"
#include "tools/slotsim/sim_session.h"

namespace {

// Returns an empty string when the record is sound, else what is wrong.
const char* BrokenInvariant(const MachineRecord& m) {
  if (m.credit < 0 || m.credit > 50) return "credit out of 0..50";
  if (m.credit > m.medals) return "credit above medals";
  if (m.bet < 0 || m.bet > 3) return "bet out of 0..3";
  if (m.jacWins > 0 && m.state == StateBetting && m.bet > 1) return "JAC bet above 1";
  if (m.state < 0 || m.state > 6) return "state";
  for (int r = 0; r < 3; ++r) {
    int s = m.reelState[r];
    if (!(s == 1 || s == kMarker || (s >= -7 && s <= 0))) return "reelState";
    if (m.reelPos[r] < 0 || m.reelPos[r] > 792) return "reelPos";
    if (s == 0 && m.reelPos[r] % 36 != 0) return "reel at rest off a symbol";
  }
  int sr = m.soundRequest;
  if (!(sr == 0 || sr == kMarker || (sr >= 703 && sr <= 709))) return "soundRequest";
  if (!(m.bigGames == kMarker || (m.bigGames >= 0 && m.bigGames <= 30))) return "bigGames";
  if (!(m.jacWins == kMarker || (m.jacWins >= 0 && m.jacWins <= 6))) return "jacWins";
  if (m.jacGames < 0 || m.jacGames > 12) return "jacGames";
  if (m.jacWins > m.jacGames) return "more wins than games left";
  if (!(m.singleBonus == 0 || m.singleBonus == kMarker)) return "singleBonus";
  if (m.payoutPending < 0 || m.payoutPending > 15) return "payoutPending";
  if (m.bigStock < 0) return "bigStock";
  if (m.highModeCount < 0 || m.highModeCount > 128) return "highModeCount";
  if (m.boxes != (m.medals / 400) % 4 && m.state == StateIdle) return "boxes";
  return "";
}

class LongRunTest : public MachineTest {};

}  // namespace

TEST_F(LongRunTest, InvariantsHoldAfterEveryTick) {
  for (uint32_t seed : {1u, 77u, 4242u}) {
    SeedGameRandom(seed);
    ResetMachine(m, ResetFull);
    m.occupant = OccupantCustomer;
    m.medals = 200;
    m.setting = static_cast<int>(seed % 6);
    int rolesAtLever = 0, games = 0, ticksInGame = 0, bonuses = 0;
    bool jacPlayAtLever = false;
    for (long tick = 0; tick < 3000000; ++tick) {
      // A meddling hand now and then: extra medals, the bet button, early stops in any order.
      int r = GameRand();
      if (r % 97 == 0) MedalIn(m);
      if (r % 89 == 0) BetFromCredit(m);
      if (r % 13 == 0) StopReel(m, r % 3);
      if (r % 1009 == 0) m.stopOrder = r % 2;
      MachineRecord preTick = m;
      Tick();
      if (m.state > StateBetting && preTick.state == StateBetting) {  // the lever was pulled
        rolesAtLever = m.roleFlags;
        jacPlayAtLever = m.jacWins > 0;
      }
      const char* broken = BrokenInvariant(m);
      ASSERT_STREQ(broken, "") << "seed " << seed << " tick " << tick;
      ++ticksInGame;
      if (m.state == StatePayingOut && preTick.state == StateReelsSpinning) {
        ASSERT_LE(m.payoutPending, 15);
        if (m.payoutPending > 0) {
          ASSERT_TRUE(rolesAtLever != 0 || jacPlayAtLever) << "paid without a role, tick " << tick;
        }
        const char* ungranted = UngrantedBonus(model(), preTick, m, rolesAtLever);
        ASSERT_EQ(ungranted, nullptr) << ungranted << " bonus without its role, tick " << tick;
        if (LinesUpABonus(preTick, m, RoleSingle)) ++bonuses;
      }
      if (m.state == StateGameOver) {
        ++games;
        ticksInGame = 0;
        if (m.medals <= 0) m.medals += 50;
      }
      ASSERT_LT(ticksInGame, 40000) << "a game that never ends, seed " << seed;
    }
    EXPECT_GT(games, 8000);
    EXPECT_GT(bonuses, 100);
  }
}

TEST(SimulatedSessions, SameSeedSameGamesAndPlausibleRates) {
  static SimSession a, b;
  StartSession(a, kMachineNo1, 3, 99);
  PlayGames(a, 20000);
  StartSession(b, kMachineNo1, 3, 99);
  PlayGames(b, 20000);
  EXPECT_EQ(0, std::memcmp(&a.machine, &b.machine, sizeof a.machine));
  EXPECT_EQ(a.totals.medalsOut, b.totals.medalsOut);
  EXPECT_EQ(a.totals.ticks, b.totals.ticks);
  // What went in came out or stayed: the medals balance.
  const SimTotals& t = a.totals;
  EXPECT_EQ(t.medalsBought - t.medalsIn + t.medalsOut, a.machine.medals);
  EXPECT_GT(t.big, 0);
  EXPECT_GT(t.regular, 0);
  EXPECT_GT(t.single, 0);
  EXPECT_GE(t.jacStages, t.regular);
  // Bonuses are rare events: plausibly between 1 in 100 and 1 in 2000 games.
  EXPECT_GT(t.big, t.games / 2000);
  EXPECT_LT(t.big, t.games / 100);
  // Control: another seed plays other games.
  StartSession(b, kMachineNo1, 3, 100);
  PlayGames(b, 20000);
  EXPECT_NE(a.totals.medalsOut, b.totals.medalsOut);
}

// A game that lines up a big bonus and a JAC stage together: the stage starts first and the big
// bonus at the end of the stage's first game. The big bonus is counted once, not again at every
// game of the stage that still shows all thirty general games.
TEST(SimulatedSessions, BigBonusLinedUpWithAJacStageCountsOnce) {
  static SimSession s;
  StartSession(s, kMachineNo1, 3, 5);
  MachineRecord& m = s.machine;
  m.state = StatePayingOut;
  m.payoutPending = 0;
  m.bet = 3;
  m.bigGames = kMarker;
  m.jacWins = kMarker;
  m.medals = 500;
  PlayGames(s, 14);  // the lined-up game, at most twelve JAC games, a general game
  EXPECT_GT(s.machine.bigGames, 0);
  EXPECT_LT(s.machine.bigGames, 30);
  EXPECT_EQ(s.totals.big, 1);
  EXPECT_EQ(s.totals.jacStages, 1);
}

TEST(SimulatedSessions, HigherSettingsPayMore) {
  static SimSession low, high;
  StartSession(low, kMachineNo1, 1, 5);
  PlayGames(low, 300000);
  StartSession(high, kMachineNo1, 6, 5);
  PlayGames(high, 300000);
  double lowRate = double(low.totals.medalsOut) / low.totals.medalsIn;
  double highRate = double(high.totals.medalsOut) / high.totals.medalsIn;
  EXPECT_GT(highRate, lowRate + 0.03) << lowRate << " " << highRate;
  EXPECT_GT(high.totals.big, low.totals.big);
}

TEST(PayoutTable, PlaysACellUntilTheIntervalIsNarrowEnough) {
  TableOptions wide;
  wide.batchGames = 2000;
  wide.minBatches = 5;
  wide.halfWidth = 1.0;  // reached at once: five batches
  wide.bestBatchGames = 1000;
  wide.bestMinBatches = 3;
  wide.bestHalfWidth = 1.0;
  TableCell cell = PlayCell(1, 3, wide);
  // Several machines of the hall may end a game on the same tick: a batch can run a game over.
  EXPECT_GE(cell.games, 10000);
  EXPECT_LT(cell.games, 10000 + 5 * 16);
  EXPECT_GT(cell.payoutRate, 0.5);
  EXPECT_LT(cell.payoutRate, 2.0);
  EXPECT_GT(cell.halfWidth, 0.0);
  EXPECT_GE(cell.bestGames, 3000);
  EXPECT_GT(cell.bestRate, 0.5);
  TableOptions narrow = wide;
  narrow.halfWidth = 0.0;  // never reached: stops at the cap
  narrow.maxGames = 30000;
  narrow.bestSeats = 0;
  cell = PlayCell(1, 3, narrow);
  EXPECT_GE(cell.games, 30000);
  EXPECT_LT(cell.games, 30000 + 16);
  EXPECT_EQ(cell.bestGames, 0);
  EXPECT_EQ(PlayCell(9, 3, wide).games, 0) << "a machine not in the build";
}
