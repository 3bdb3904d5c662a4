// The per-tick hall loop and what a finished game may bring: a big-bonus announcement for any
// machine, and for whoever sits there running out of medals or being sent home at closing.
#include "hall/hall_tick.h"

#include "hall/customers.h"
#include "hall/hall_outbox.h"
#include "hall/player_slot.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/auto_play.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "hall/shop_clock.h"

namespace {

FloorOperator floorOperator = nullptr;

bool IsPlayer(const MachineRecord& m) {
  return m.occupant >= OccupantFirstPlayer && m.occupant < OccupantFirstPlayer + kPlayerSlots;
}

void OutOfMedals(int shop, int machine) {
  MachineRecord& m = Shops[shop].machines[machine];
  if (IsPlayer(m)) {
    m.pendingNotice = NoticeOutOfMedals;
    if (IsCurrentPlayersMachine(m)) PostNotice(TextOutOfMedals, machine);
    return;
  }
  const ShopRecord& s = Shops[shop];
  // In a crowded shop half the customers go home; in a quiet one they all buy more.
  if (OneIn(2) && s.occupiedCount > StayCap(s.level)) {
    VacateMachine(shop, machine);
  } else {
    m.medals += 50;
  }
}

void ClosingTime(int shop, int machine) {
  MachineRecord& m = Shops[shop].machines[machine];
  // Nobody is sent home in the middle of a big bonus or a JAC stage; the check comes back at
  // the next game end.
  if (m.bigGames > 0 || m.jacWins > 0) return;
  if (IsPlayer(m)) {
    m.pendingNotice = NoticeClosingTime;
    if (IsCurrentPlayersMachine(m)) PostForcedLeave(kLeaveReasonClosing);
  } else if (m.occupant == OccupantCustomer) {
    VacateMachine(shop, machine);
  }
}

}  // namespace

void GameEndChecks(int shop, int machine) {
  MachineRecord& m = Shops[shop].machines[machine];
  if (m.bigGames == 30) PostNotice(TextBigBonusStart, machine);
  if (m.medals <= 0) OutOfMedals(shop, machine);
  if (Shops[shop].level == 0 && m.occupant != OccupantFree) ClosingTime(shop, machine);
}

void SetFloorOperator(FloorOperator op) { floorOperator = op; }

void ShopTick(int shop) {
  ShopRecord& s = Shops[shop];
  for (int i = 0; i < kFloorMachines; ++i) {
    MachineRecord& m = s.machines[i];
    if (floorOperator != nullptr && m.occupant != OccupantFree) {
      floorOperator(shop, i, m);
    } else {
      AutoPlay(m);
    }
    const int boxesBefore = 4 * m.boxStacks + m.boxes;
    MachineTick(m);
    // A machine's medal boxes are part of the hall view.
    if (4 * m.boxStacks + m.boxes != boxesBefore) HallChanged = 1;
    if (m.occupant != OccupantFree && m.state == StateGameOver) GameEndChecks(shop, i);
    CustomerComeAndGo(shop, i);
  }
  if (s.level != 0) s.lastOpenTime = LocalTimeCopy;
}

void HallTick() {
  for (int shop = 0; shop < kShopCount; ++shop) ShopTick(shop);
}
