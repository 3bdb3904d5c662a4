// The four seats P1 to P4 of players in the hall, and the one whose screens are shown.
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

struct ShopRecord;

constexpr int kPlayerSlots = 4;
constexpr int kSlotNameBytes = 24;
constexpr int kNoMachine = 16;  // hallCursor and seatedMachine while there is none

struct PlayerSlot {
  int32_t slotNumber;       // 0..3 for P1..P4; the machine's occupant code is slotNumber + 2
  int32_t shop;             // 0 day shop, 1 night shop
  int32_t screen;           // ScreenId
  int32_t hallCursor;       // floor machine marked in the hall; 16 while seated or outside
  int32_t seatedMachine;    // floor machine where the player sits; 16 when none
  int32_t PanelPage;        // info-panel page: 0 game buttons, 1 play options
  char name[kSlotNameBytes];  // the enrolled player's name; empty means the slot is free
  int32_t medalsToCashOut;  // medals taken from the machine, waiting for the cash-out
  ShopRecord* shopRecord;   // the shop of field `shop`
  MachineRecord* machine;   // the seated machine, or the shop's placeholder
};

extern PlayerSlot PlayerSlots[kPlayerSlots];

// The slot that the screen, the menus and the keys serve.
struct CurrentSlotRef {
  int index;
  PlayerSlot* slot;
};
extern CurrentSlotRef CurrentSlot;

// Is this machine the one the current player sits at?
bool IsCurrentPlayersMachine(const MachineRecord& m);

// Slot i back to "outside the shop that is open": no name, no seat, the shop's placeholder.
void ResetPlayerSlot(int slot);

// Makes slot i current (no screens change here; the shell does that around it).
void MakeSlotCurrent(int slot);

// The slot holding this player's name, or null. An empty name names no player.
PlayerSlot* FindSlotByName(const char* name);

// Is the slot seated at a floor machine?
bool SlotIsSeated(const PlayerSlot& slot);
