// The hall of the payout table, run by the game's own HallTick: its customers arrive, buy
// medals, leave when the shop is crowded; only the crowd level stays fixed (no clock runs).
#include "tools/slotsim/hall_floor.h"

#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/player_slot.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "machine/auto_operate.h"
#include "machine/game_random.h"
#include "base/tick_counters.h"
#include "tools/slotsim/best_stops.h"

namespace {

constexpr int kNormalCrowd = 1;  // level 1: up to eight customers arrive, four always stay
constexpr int kBoughtMedals = 50;

int bestSeats = 0;  // of the hall being played; the floor operator reads it

void WorkMachine(int shop, int machine, MachineRecord& m) {
  if (shop == ShopDay && machine < bestSeats) {
    OperateAtBestMoments(m);
  } else {
    AutoOperate(m);
  }
}

// A best-moment player the hall sent away (out of medals in a crowd, or rich) sits down again.
void KeepBestSeats() {
  bool changed = false;
  for (int i = 0; i < bestSeats; ++i) {
    MachineRecord& m = Shops[ShopDay].machines[i];
    if (m.occupant == OccupantCustomer) continue;
    m.occupant = OccupantCustomer;
    m.medals += kBoughtMedals;
    changed = true;
  }
  if (changed) RecountOccupied(ShopDay);
}

}  // namespace

void StartFloor(FloorRun& f, const MachineModel& model, int setting, uint32_t seed, int seats) {
  SelectMachine(model);
  ResetTickCounters();
  SeedGameRandom(seed);
  ClearHallOutbox();
  ResetShopsToDefaults();
  for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
  for (ShopRecord& s : Shops) {
    for (MachineRecord& m : s.machines) m.setting = setting - 1;
  }
  Shops[ShopDay].level = kNormalCrowd;
  Shops[ShopNight].level = 0;
  f = FloorRun{};
  f.model = &model;
  f.bestSeats = seats < kFloorMachines ? seats : kFloorMachines;
  bestSeats = f.bestSeats;
  KeepBestSeats();
  SetFloorOperator(WorkMachine);
}

void FloorTick(FloorRun& f) {
  bestSeats = f.bestSeats;
  SetFloorOperator(WorkMachine);
  AdvanceTickCounters();
  ShopTick(ShopDay);  // the night shop stays closed and empty: it would draw nothing
  ClearHallOutbox();  // nobody reads the notices here
  for (int i = 0; i < kFloorMachines; ++i) {
    const MachineRecord& m = Shops[ShopDay].machines[i];
    if (m.state != StateGameOver) continue;
    SimTotals& t = i < f.bestSeats ? f.best : f.customers;
    CountEndedGame(m, t, f.bigGamesAtLastEnd[i]);
  }
  f.customers.ticks += 1;
  KeepBestSeats();
  SetFloorOperator(nullptr);
}

void PlayCustomerGames(FloorRun& f, int64_t games) {
  const int64_t target = f.customers.games + games;
  while (f.customers.games < target) FloorTick(f);
}

void PlayBestGames(FloorRun& f, int64_t games) {
  const int64_t target = f.best.games + games;
  while (f.best.games < target) FloorTick(f);
}
