// The payout table's hall and its best-moment player: the look-ahead finds the best outcome any
// moments reach, the machine then plays exactly that outcome, and the hall keeps the player's
// seats beside customers who come and go.
#include <cstring>

#include "tests/unit/machine_test_support.h"
#include "tools/slotsim/best_stops.h"
#include "tools/slotsim/hall_floor.h"

namespace {

const MachineModel* const kMachines[] = {&kMachineNo1, &kMachineNo2, &kMachineNo3, &kMachineNo4,
                                         &kMachineNo5, &kMachineNo6, &kMachineNo7};

// A machine whose reels have just started, with roles held and possibly a bonus running.
MachineRecord Spinning(const MachineModel& model, int bet, int roles, bool bigBonus) {
  MachineRecord m{};
  ResetMachine(m, ResetFull);
  m.occupant = OccupantCustomer;
  m.medals = 100;
  m.bet = bet;
  m.roleFlags = roles;
  m.state = StateReelsSpinning;
  m.stateTimer = 0;  // the reels have just started: no automatic stop for a long while
  m.spinWait = 0;
  if (bigBonus) {
    m.bigGames = 12;
    m.bigNet = 60;
  }
  for (int r = 0; r < kReelCount; ++r) {
    m.reelState[r] = 1;
    m.reelPos[r] = model.symbolHeight * (GameRand() % kStripLength);
  }
  return m;
}

class BestStops : public ::testing::TestWithParam<int> {
 protected:
  const MachineModel& model() const { return *kMachines[GetParam()]; }
  void TearDown() override { SelectMachine(kMachineNo1); }
};

// The look-ahead, with its shortcuts, against every combination of moments.
TEST_P(BestStops, ReachesTheBestThatAnyMomentsReach) {
  SelectMachine(model());
  SeedGameRandom(31);
  int better = 0;
  for (int trial = 0; trial < 12; ++trial) {
    int roles = 1 << (trial % 7);
    MachineRecord m = Spinning(model(), 1 + trial % 3, roles, trial % 4 == 3);
    int best = BestWorth(model(), m);
    int brute = -1, pressAnywhere = -1;
    for (int i = 0; i < kStripLength * kStripLength * kStripLength; ++i) {
      int moments[3] = {i % kStripLength, i / kStripLength % kStripLength, i / (kStripLength * kStripLength)};
      int worth = WorthOfMoments(model(), m, moments);
      if (worth > brute) brute = worth;
      if (i == 0) pressAnywhere = worth;
    }
    ASSERT_EQ(best, brute) << "machine " << model().number << " trial " << trial;
    if (best > pressAnywhere) ++better;
  }
  EXPECT_GT(better, 0) << "the moments matter somewhere";
}

// Played on the machine's own ticks, the best-moment player gets what the look-ahead promised.
TEST_P(BestStops, TheMachinePlaysTheOutcomeTheLookAheadFound) {
  SelectMachine(model());
  ResetTickCounters();
  SeedGameRandom(57);
  int played = 0;
  for (int trial = 0; trial < 40; ++trial) {
    MachineRecord m = Spinning(model(), 3, 1 << (trial % 6), trial % 5 == 4);
    while (Phase128 != 0 || Phase512 != 0) AdvanceTickCounters();  // a stop is due now
    MachineRecord start = m;
    int promised = BestWorth(model(), m);
    if (promised < 0) continue;
    bool jacStop = model().cycle.jacPlayWithoutLever && m.jacWins > 0;
    for (int t = 0; t < 20000 && m.state == StateReelsSpinning; ++t) {
      if (t > 0) AdvanceTickCounters();
      OperateAtBestMoments(m);
      MachineTick(m);
    }
    ASSERT_EQ(m.state, StatePayingOut) << "trial " << trial;
    bool bonus = (m.bigGames == kMarker && start.bigGames != kMarker) ||
                 (m.jacWins == kMarker && start.jacWins != kMarker) ||
                 (m.singleBonus == kMarker && start.singleBonus != kMarker);
    int got = jacStop ? m.payoutPending : m.payoutPending + (bonus ? kBonusWorth : 0);
    EXPECT_EQ(got, promised) << "machine " << model().number << " trial " << trial;
    ++played;
  }
  EXPECT_GT(played, 30);
}

INSTANTIATE_TEST_SUITE_P(Machines, BestStops, ::testing::Range(0, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "No" + std::to_string(kMachines[info.param]->number);
                         });

// Customers come and go within the normal crowd's cap while the best-moment players keep their
// seats; every machine's games are counted for whoever played it.
TEST(HallFloor, CustomersComeAndGoBesideTheBestMomentPlayers) {
  static FloorRun floor;
  StartFloor(floor, kMachineNo1, 3, 8, 3);
  int fewest = 16, most = 0, customerSeats = 0;
  bool seen[16] = {};
  for (int t = 0; t < 400000; ++t) {
    FloorTick(floor);
    int occupied = Shops[ShopDay].occupiedCount;
    if (t > 40000) {
      if (occupied < fewest) fewest = occupied;
      if (occupied > most) most = occupied;
    }
    for (int i = 0; i < 16; ++i) {
      const MachineRecord& m = Shops[ShopDay].machines[i];
      if (i < 3) {
        ASSERT_EQ(m.occupant, OccupantCustomer) << "a best-moment seat left, tick " << t;
      }
      if (i >= 3 && m.occupant != OccupantFree) seen[i] = true;
    }
    ASSERT_EQ(Shops[ShopNight].occupiedCount, 0);
  }
  for (bool s : seen) customerSeats += s;
  EXPECT_LE(most, 8);
  EXPECT_LT(fewest, most);  // they came and went
  EXPECT_GE(customerSeats, 6);
  EXPECT_GT(floor.customers.games, 5000);
  EXPECT_GT(floor.best.games, 3000);
  EXPECT_GT(floor.best.big, 0);
}

}  // namespace
