// The player slots. They start empty; opening the shops gives each its shop and placeholder.
#include "hall/player_slot.h"

#include <cstring>

#include "hall/shops.h"
#include "base/screen_id.h"

PlayerSlot PlayerSlots[kPlayerSlots];
CurrentSlotRef CurrentSlot = {0, &PlayerSlots[0]};

bool IsCurrentPlayersMachine(const MachineRecord& m) {
  const PlayerSlot* slot = CurrentSlot.slot;
  return slot != nullptr && slot->seatedMachine >= 0 && slot->seatedMachine < kFloorMachines &&
         slot->machine == &m;
}

void ResetPlayerSlot(int slot) {
  if (slot < 0 || slot >= kPlayerSlots) return;
  PlayerSlot& s = PlayerSlots[slot];
  s.slotNumber = slot;
  // A player always enters the shop that is open.
  s.shop = Shops[ShopDay].level == 0 ? ShopNight : ShopDay;
  s.screen = ScreenTitle;
  s.PanelPage = 0;
  s.medalsToCashOut = 0;
  s.hallCursor = kNoMachine;
  s.seatedMachine = kNoMachine;
  s.shopRecord = &Shops[s.shop];
  s.machine = &Shops[s.shop].machines[kPlaceholderMachine];
  std::memset(s.name, 0, sizeof s.name);
}

void MakeSlotCurrent(int slot) {
  if (slot < 0 || slot >= kPlayerSlots) return;
  CurrentSlot.index = slot;
  CurrentSlot.slot = &PlayerSlots[slot];
}

PlayerSlot* FindSlotByName(const char* name) {
  if (name == nullptr || name[0] == '\0') return nullptr;
  for (PlayerSlot& s : PlayerSlots) {
    if (std::strncmp(s.name, name, kSlotNameBytes) == 0) return &s;
  }
  return nullptr;
}

bool SlotIsSeated(const PlayerSlot& slot) {
  return slot.seatedMachine >= 0 && slot.seatedMachine < kFloorMachines;
}
