// The player slots. They start empty; opening the shops gives each its shop and placeholder.
#include "hall/player_slot.h"

PlayerSlot PlayerSlots[kPlayerSlots];
CurrentSlotRef CurrentSlot = {0, &PlayerSlots[0]};

bool IsCurrentPlayersMachine(const MachineRecord& m) {
  const PlayerSlot* slot = CurrentSlot.slot;
  return slot != nullptr && slot->seatedMachine >= 0 && slot->seatedMachine < kFloorMachines &&
         slot->machine == &m;
}
