// The simulated session: a customer at one machine, played on the simulated tick.
#include "tools/slotsim/sim_session.h"

#include "machine/auto_operate.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "machine/machine_reset.h"
#include "base/tick_counters.h"

void StartSession(SimSession& s, const MachineModel& model, int setting, uint32_t seed) {
  SelectMachine(model);
  ResetTickCounters();
  SeedGameRandom(seed);
  s.model = &model;
  s.totals = SimTotals{};
  s.machine = MachineRecord{};
  ResetMachine(s.machine, ResetFull);
  s.machine.setting = setting - 1;
  s.machine.occupant = OccupantCustomer;
  s.machine.medals = 50;
  s.totals.medalsBought = 50;
  s.bigGamesAtLastEnd = 0;
}

void CountEndedGame(const MachineRecord& m, SimTotals& t, int& bigGamesAtLastEnd) {
  t.games += 1;
  t.medalsIn += m.bet;
  t.medalsOut += m.paidThisGame;
  if (m.bigGames == 30 && bigGamesAtLastEnd != 30) t.big += 1;
  if (m.singleBonus == kMarker && m.jacWins == 1 && m.jacGames == 1) t.single += 1;
  if (m.jacWins == 6 && m.jacGames == 12) {
    t.jacStages += 1;
    if (bigGamesAtLastEnd == 0) t.regular += 1;
  }
  bigGamesAtLastEnd = m.bigGames;
}

namespace {

void EndGame(SimSession& s) {
  CountEndedGame(s.machine, s.totals, s.bigGamesAtLastEnd);
  if (s.machine.medals <= 0) {
    s.machine.medals += 50;
    s.totals.medalsBought += 50;
  }
}

}  // namespace

void SessionTick(SimSession& s) {
  AdvanceTickCounters();
  AutoOperate(s.machine);
  MachineTick(s.machine);
  s.totals.ticks += 1;
  if (s.machine.state == StateGameOver) EndGame(s);
}

void PlayGames(SimSession& s, int64_t games) {
  const int64_t target = s.totals.games + games;
  while (s.totals.games < target) SessionTick(s);
}
