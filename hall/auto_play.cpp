// Automatic play of the occupied machines: customers' and players' machines are operated
// directly; the current player's machine is handed to the shell's driver.
#include "hall/auto_play.h"

#include "base/screen_id.h"
#include "base/tick_counters.h"
#include "machine/auto_operate.h"

namespace {
CurrentMachineDriver currentMachineDriver = nullptr;
}

bool PlayerMachineMayPlay(const MachineRecord& m, const PlayerSlot& slot) {
  return slot.screen == ScreenPlay && m.autoPlay != 0 && m.pendingNotice == 0 &&
         (m.state != StateIdle || m.medals > 0);
}

void SetCurrentMachineDriver(CurrentMachineDriver driver) { currentMachineDriver = driver; }

void AutoPlay(MachineRecord& m) {
  if (Phase128 != 0 || m.occupant == OccupantFree) return;
  if (IsCurrentPlayersMachine(m)) {
    if (currentMachineDriver != nullptr) currentMachineDriver(m);
    return;
  }
  if (m.occupant >= OccupantFirstPlayer && m.occupant < OccupantFirstPlayer + kPlayerSlots &&
      !PlayerMachineMayPlay(m, PlayerSlots[m.occupant - OccupantFirstPlayer])) {
    return;
  }
  AutoOperate(m);
}
