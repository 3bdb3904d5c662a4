// Every machine of the family over long random runs: the record stays sound after every tick,
// no game ever ends stuck, and nothing is paid that the lottery did not grant.
#include <string>

#include "tests/unit/machine_test_support.h"
#include "tools/slotsim/sim_session.h"

namespace {

const MachineModel* const kAllMachines[] = {&kMachineNo1, &kMachineNo2, &kMachineNo3, &kMachineNo4,
                                            &kMachineNo5, &kMachineNo6, &kMachineNo7};

// Empty when the record is sound, else what is wrong.
std::string BrokenInvariant(const MachineModel& model, const MachineRecord& m) {
  const int u = model.symbolHeight;
  if (m.credit < 0 || m.credit > 50) return "credit out of 0..50";
  if (m.credit > m.medals) return "credit above medals";
  if (m.bet < 0 || m.bet > 3) return "bet out of 0..3";
  if (m.jacWins > 0 && m.bet > 1 && m.state >= StateBetting && m.state <= StateReelsSpinning) {
    return "JAC bet above 1";
  }
  if (m.state < 0 || m.state > 6) return "state";
  for (int r = 0; r < 3; ++r) {
    int s = m.reelState[r];
    if (!(s == 1 || s == kMarker || (s >= -20 && s <= 0))) return "reelState " + std::to_string(s);
    if (m.reelPos[r] < 0 || m.reelPos[r] > 22 * u) return "reelPos";
    if (s == 0 && m.reelPos[r] % u != 0) return "reel at rest off a symbol";
  }
  int sr = m.soundRequest;
  if (!(sr == 0 || sr == kMarker || (sr >= 703 && sr <= 709))) return "soundRequest";
  if (!(m.bigGames == kMarker || (m.bigGames >= 0 && m.bigGames <= 30))) return "bigGames";
  if (!(m.jacWins == kMarker || (m.jacWins >= -1 && m.jacWins <= 6))) return "jacWins";
  if (m.jacGames < 0 || m.jacGames > 12) return "jacGames";
  if (m.jacWins > m.jacGames) return "more wins than games left";
  if (m.payoutPending < 0 || m.payoutPending > 15) return "payoutPending";
  if (m.bigStock < 0) return "bigStock";
  if (m.highModeCount < 0 || m.highModeCount > 128) return "highModeCount";
  return "";
}

struct RunResult {
  long games = 0;
  long paidGames = 0;
  long paidWithoutRole = 0;
  std::string broken;
};

// Plays one machine by automatic operation with a meddling hand (extra medals, the bet
// button, early stops in any order) and checks every tick.
RunResult PlayRandomly(const MachineModel& model, uint32_t seed, long ticks) {
  SelectMachine(model);
  ResetTickCounters();
  SeedGameRandom(seed);
  MachineRecord m{};
  ResetMachine(m, ResetFull);
  m.occupant = OccupantCustomer;
  m.medals = 300;
  m.setting = static_cast<int>(seed % 6);
  RunResult result;
  int rolesAtStart = 0;
  bool jacPlayAtStart = false;
  long ticksInGame = 0;
  for (long t = 0; t < ticks; ++t) {
    int r = GameRand();
    if (r % 97 == 0) MedalIn(m);
    if (r % 89 == 0) BetFromCredit(m);
    if (r % 13 == 0) StopReel(m, r % 3);
    if (r % 1009 == 0) m.stopOrder = r % 2;
    MachineRecord before = m;
    AdvanceTickCounters();
    AutoOperate(m);
    MachineTick(m);
    // The game's roles are those held when its reels were set going (lever or JAC bet).
    if (before.state == StateBetting && m.state > StateBetting) {
      rolesAtStart = m.roleFlags;
      jacPlayAtStart = m.jacWins > 0;
    }
    std::string broken = BrokenInvariant(model, m);
    if (!broken.empty()) {
      result.broken = broken + " at tick " + std::to_string(t);
      return result;
    }
    if (before.state == StateReelsSpinning && m.state == StatePayingOut) {
      if (m.payoutPending > 0) {
        ++result.paidGames;
        if (rolesAtStart == 0 && !jacPlayAtStart) ++result.paidWithoutRole;
      }
    }
    if (m.state == StateGameOver) {
      ++result.games;
      ticksInGame = 0;
      if (m.medals <= 0) m.medals += 50;
    }
    if (++ticksInGame > 40000) {
      result.broken = "a game that never ends at tick " + std::to_string(t);
      return result;
    }
  }
  return result;
}

class EveryMachine : public ::testing::TestWithParam<int> {
 protected:
  const MachineModel& model() const { return *kAllMachines[GetParam()]; }
  void TearDown() override { SelectMachine(kMachineNo1); }
};

}  // namespace

TEST_P(EveryMachine, LongRunsKeepTheRecordSoundAndPayOnlyRoles) {
  for (uint32_t seed : {3u, 2027u}) {
    RunResult r = PlayRandomly(model(), seed, 2000000);
    ASSERT_EQ(r.broken, "") << "machine " << model().number << " seed " << seed;
    EXPECT_GT(r.games, 5000);
    EXPECT_GT(r.paidGames, r.games / 20);
    EXPECT_EQ(r.paidWithoutRole, 0) << "machine " << model().number << " seed " << seed;
  }
}

namespace {
int StopWherever(const MachineModel&, MachineRecord&, int) { return 0; }
}  // namespace

TEST_P(EveryMachine, CarelessStopsWouldPayWithoutRoles) {
  // Control: the same check catches a machine that stops its reels wherever they are.
  MachineModel careless = model();
  careless.stopControl = StopWherever;
  RunResult r = PlayRandomly(careless, 3, 1000000);
  EXPECT_GT(r.paidWithoutRole, 0) << "machine " << model().number;
}

TEST_P(EveryMachine, IdleDisplayShowsNoWin) {
  SelectMachine(model());
  int wins = 0;
  for (uint32_t seed = 1; seed <= 3000; ++seed) {
    SeedGameRandom(seed);
    MachineRecord m{};
    ResetMachine(m, ResetFull);
    m.roleFlags = 63;
    ResetMachine(m, ResetIdleDisplay);
    for (int r = 0; r < 3; ++r) ASSERT_EQ(m.reelPos[r] % model().symbolHeight, 0);
    MachineRecord scored = m;
    if (model().lineMask(model(), scored) != 0 || model().payout(model(), scored) != 0) ++wins;
  }
  EXPECT_EQ(wins, 0) << "machine " << model().number;
}

TEST_P(EveryMachine, SimulatorRunsAndReplays) {
  static SimSession a, b;
  StartSession(a, model(), 3, 11);
  PlayGames(a, 5000);
  StartSession(b, model(), 3, 11);
  PlayGames(b, 5000);
  EXPECT_EQ(a.totals.medalsOut, b.totals.medalsOut);
  EXPECT_EQ(a.totals.ticks, b.totals.ticks);
  EXPECT_EQ(a.totals.medalsBought - a.totals.medalsIn + a.totals.medalsOut, a.machine.medals);
}

INSTANTIATE_TEST_SUITE_P(Machines, EveryMachine, ::testing::Range(0, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "No" + std::to_string(kAllMachines[info.param]->number);
                         });
