// Every machine of the family over long random runs: the record stays sound after every tick,
// no game ever ends stuck, and nothing is paid and no bonus starts that the lottery did not
// grant; stop control pressed at every moment lines up no bonus that was not granted.
#include <random>
#include <string>

#include "tests/unit/bonus_checks.h"
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
  long bonusStarts = 0;
  long bonusWithoutRole = 0;
  std::string broken;
};

// Plays one machine by automatic operation with a meddling hand (extra medals, the bet
// button, early stops in any order) and checks every tick (the record's soundness only when
// asked: a deliberately broken machine goes on to show what else it does).
RunResult PlayRandomly(const MachineModel& model, uint32_t seed, long ticks, bool checkRecord = true) {
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
    std::string broken = checkRecord ? BrokenInvariant(model, m) : "";
    if (!broken.empty()) {
      result.broken = broken + " at tick " + std::to_string(t);
      return result;
    }
    if (before.state == StateReelsSpinning && m.state == StatePayingOut) {
      if (m.payoutPending > 0) {
        ++result.paidGames;
        if (rolesAtStart == 0 && !jacPlayAtStart) ++result.paidWithoutRole;
      }
      if (LinesUpABonus(before, m, BonusRolesOf(model.number).single)) ++result.bonusStarts;
      if (UngrantedBonus(model, before, m, rolesAtStart) != nullptr) ++result.bonusWithoutRole;
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
    EXPECT_GT(r.bonusStarts, 10);
    EXPECT_EQ(r.bonusWithoutRole, 0) << "machine " << model().number << " seed " << seed;
  }
}

namespace {
int StopWherever(const MachineModel&, MachineRecord&, int) { return 0; }
// Slides on a random number of symbols: rests anywhere on the strip, bonus symbols included.
// Its draws are its own, from a generator unlike the game's: draws of the same kind, taken in
// the run's fixed rhythm, rest the three reels together in only a few combinations.
int StopAnywhere(const MachineModel&, MachineRecord&, int) {
  static std::mt19937 engine(12345);
  return static_cast<int>(engine() % kStripLength);
}
}  // namespace

TEST_P(EveryMachine, CarelessStopsWouldPayWithoutRoles) {
  // Control: the same check catches a machine that stops its reels wherever they are.
  MachineModel careless = model();
  careless.stopControl = StopWherever;
  RunResult r = PlayRandomly(careless, 3, 1000000);
  EXPECT_GT(r.paidWithoutRole, 0) << "machine " << model().number;
  careless.stopControl = StopAnywhere;
  r = PlayRandomly(careless, 3, 1000000, false);
  EXPECT_GT(r.bonusWithoutRole, 0) << "machine " << model().number;
}

namespace {

struct PressResult {
  long spins = 0;
  long bonuses = 0;
  long ungranted = 0;
  std::string first;  // the first ungranted line-up, described
};

// Resolves the stops of one spin as the reels do at their symbol boundaries: each reel of
// `order` is asked to stop with strip index press[k] in its top row and slides on as stop
// control says; then the game is scored.
void PressAndScore(const MachineModel& model, MachineRecord& m, const int* order,
                   const int* press) {
  const int u = model.symbolHeight;
  for (int k = 0; k < kReelCount; ++k) {
    int reel = order[k];
    int top = press[k];
    int n = -1;
    for (int tries = 0; n < 0 && tries < kStripLength; ++tries) {  // -1: on to the next symbol
      m.reelPos[reel] = u * Mod21(top);
      m.reelState[reel] = kMarker;
      n = model.stopControl(model, m, reel);
      if (n < 0) top -= 1;
    }
    m.reelState[reel] = 0;
    m.reelPos[reel] = u * Mod21(top - (n > 0 ? n : 0));
  }
  model.payout(model, m);
}

// Every role the family draws, one at a time and none, in ordinary play and in a big bonus
// general game, every stop order and bet, the stops pressed at random moments and the last
// one at each of the 21.
PressResult PressEverywhere(const MachineModel& model, int pairsPerCase) {
  SelectMachine(model);
  SeedGameRandom(99);
  static const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  PressResult result;
  for (int bonus = 0; bonus < 2; ++bonus) {
    for (int bit = -1; bit < 9; ++bit) {
      for (const auto& order : kOrders) {
        for (int bet = 1; bet <= 3; ++bet) {
          for (int pair = 0; pair < pairsPerCase; ++pair) {
            MachineRecord start{};
            ResetMachine(start, ResetFull);
            start.occupant = OccupantCustomer;
            start.bet = bet;
            start.state = StateReelsSpinning;
            start.roleFlags = bit < 0 ? 0 : 1 << bit;
            if (bonus) {
              start.bigGames = 15;
              start.bigNet = 100;
              start.jacStage = 1;
            }
            for (int r = 0; r < kReelCount; ++r) {
              start.reelState[r] = 1;
              start.reelPos[r] = model.symbolHeight * (GameRand() % kStripLength);
            }
            int press[3] = {GameRand() % kStripLength, GameRand() % kStripLength, 0};
            uint32_t seed = GameRandomState();
            for (int last = 0; last < kStripLength; ++last) {
              press[2] = last;
              SeedGameRandom(seed);  // the same draws for each moment of the last press
              MachineRecord m = start;
              PressAndScore(model, m, order, press);
              ++result.spins;
              if (LinesUpABonus(start, m, BonusRolesOf(model.number).single)) ++result.bonuses;
              const char* kind = UngrantedBonus(model, start, m, start.roleFlags);
              if (kind == nullptr) continue;
              if (result.ungranted++ == 0) {
                result.first = std::string(kind) + " with roles " + std::to_string(start.roleFlags) +
                               (bonus ? " in a big bonus" : "") + ", bet " + std::to_string(bet) +
                               ", first stop reel " + std::to_string(order[0] + 1);
              }
            }
          }
        }
      }
    }
  }
  return result;
}

}  // namespace

TEST_P(EveryMachine, StopControlLinesUpNoBonusThatWasNotGranted) {
  PressResult r = PressEverywhere(model(), 40);
  EXPECT_GT(r.bonuses, 100) << "machine " << model().number;
  EXPECT_EQ(r.ungranted, 0) << "machine " << model().number << ": " << r.first;
  // Control: a machine that stops its reels wherever they are pressed lines bonuses up freely.
  MachineModel careless = model();
  careless.stopControl = StopWherever;
  EXPECT_GT(PressEverywhere(careless, 4).ungranted, 0) << "machine " << model().number;
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
