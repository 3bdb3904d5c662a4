// Customers come one at a time at the 1.6-second beat and stay by the crowd of the shop. A
// free machine whose bonus is still running draws the next customer at once, cap allowing.
#include "hall/customers.h"

#include "hall/shops.h"
#include "machine/game_random.h"
#include "machine/machine_model.h"
#include "base/tick_counters.h"

int ArrivalCap(int level) {
  if (level == 1) return 8;
  if (level >= 2 && level <= 4) return 12;
  return 0;
}

int StayCap(int level) {
  if (level == 1) return 4;
  if (level >= 2 && level <= 4) return 8;
  return 0;
}

bool CustomerSeesBonus(const MachineRecord& m) {
  int game = ActiveMachine().number;
  bool singleIsBonus = game != 2 && game != 5 && game != 7;
  return m.bigGames != 0 || m.jacWins != 0 || (singleIsBonus && m.singleBonus != 0);
}

void CustomerComeAndGo(int shop, int machine) {
  if (Phase1024 != 0) return;
  ShopRecord& s = Shops[shop];
  MachineRecord& m = s.machines[machine];
  if (m.state != StateIdle) return;
  if (m.occupant == OccupantCustomer) {
    // A customer well ahead may call it a day.
    if (!CustomerSeesBonus(m) && m.medals > 400 && OneIn(3600)) VacateMachine(shop, machine);
  } else if (m.occupant == OccupantFree) {
    if (s.occupiedCount < ArrivalCap(s.level) && (OneIn(60) || CustomerSeesBonus(m))) {
      m.medals += 50;
      m.occupant = OccupantCustomer;
      RecountOccupied(shop);
      HallChanged = 1;
    }
  }
}
