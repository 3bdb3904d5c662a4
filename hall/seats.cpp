// Seats change the occupancy of the floor, so both recount the shop and redraw the hall.
#include "hall/seats.h"

#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "machine/machine_reset.h"
#include "base/screen_id.h"

HallMessage TakeSeat() {
  PlayerSlot& slot = *CurrentSlot.slot;
  if (slot.shop < 0 || slot.shop >= kShopCount) return Message(0, IconNone);
  ShopRecord& shop = Shops[slot.shop];
  if (shop.level == 0) return Message(TextClosingTime, IconWarning);
  int index = slot.hallCursor;
  if (index < 0 || index >= kFloorMachines) return Message(0, IconNone);
  MachineRecord& m = shop.machines[index];
  if (m.occupant != OccupantFree) return Message(TextMachineTaken, IconWarning);
  PlayerRecord* p = FindPlayer(slot.name);
  slot.screen = ScreenPlay;
  slot.seatedMachine = index;
  slot.hallCursor = kNoMachine;
  slot.machine = &m;
  m.occupant = OccupantFirstPlayer + slot.slotNumber;
  m.redrawFlags = 0;
  m.soundRequest = 0;
  m.medals = p != nullptr ? p->carriedMedals : 0;
  if (m.medals <= 0) m.pendingNotice = NoticeOutOfMedals;
  if (p != nullptr) p->carriedMedals = 0;
  RecountOccupied(slot.shop);
  HallChanged = 1;
  return Message(0, IconNone);
}

int LeaveSeat(int slotIndex) {
  if (slotIndex < 0 || slotIndex >= kPlayerSlots) return 0;
  PlayerSlot& slot = PlayerSlots[slotIndex];
  if (!SlotIsSeated(slot) || slot.shop < 0 || slot.shop >= kShopCount) return 0;
  slot.screen = ScreenHall;
  slot.medalsToCashOut = slot.machine != nullptr ? slot.machine->medals : 0;
  VacateMachine(slot.shop, slot.seatedMachine);
  slot.hallCursor = slot.seatedMachine;
  slot.seatedMachine = kNoMachine;
  slot.machine = &Shops[slot.shop].machines[kPlaceholderMachine];
  return 1;
}
