// The state side of the shell's commands, kept apart from the windows so the rules can be
// tested: the commands call these between their refusals and their window work.
#include "shell/slot_rules.h"

#include "hall/hall_outbox.h"
#include "hall/player_slot.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "base/screen_id.h"
#include "base/options.h"

namespace {
PlayerSlot& Current() { return *CurrentSlot.slot; }
}  // namespace

bool ChooseShop(int shop) {
  if (shop < 0 || shop >= kShopCount) return false;
  PlayerSlot& slot = Current();
  if (slot.shop == shop) return false;
  slot.shop = shop;
  slot.shopRecord = &Shops[shop];
  // A slot outside the shop points at the placeholder of the shop it is about to enter.
  if (!SlotIsSeated(slot)) slot.machine = &Shops[shop].machines[kPlaceholderMachine];
  return true;
}

bool SetPlayMode(int mode) {
  MachineRecord* m = Current().machine;
  if (m == nullptr || (mode != 0 && mode != 1) || m->autoPlay == mode) return false;
  m->autoPlay = mode;
  return true;
}

bool SetStopOrder(int order) {
  MachineRecord* m = Current().machine;
  if (m == nullptr || (order != 0 && order != 1) || m->stopOrder == order) return false;
  m->stopOrder = order;
  return true;
}

void StepHallCursor(int direction) {
  PlayerSlot& slot = Current();
  int h = slot.hallCursor;
  if (h < 0 || h >= kFloorMachines) h = 0;
  if (direction < 0) {
    slot.hallCursor = (h + 15) % 16;
    HallScroll = 192;
  } else {
    slot.hallCursor = (h + 17) % 16;
    HallScroll = -192;
  }
}

void WalkIntoHall() {
  PlayerSlot& slot = Current();
  slot.screen = ScreenHall;
  slot.hallCursor = 0;
  HallScroll = 0;
  HallChanged = 1;
}

void LookAtHall() {
  PlayerSlot& slot = Current();
  slot.screen = ScreenHallAway;
  slot.hallCursor = slot.seatedMachine;
  HallScroll = 0;
  HallChanged = 1;
}

void ReturnToMachine() {
  PlayerSlot& slot = Current();
  slot.screen = ScreenPlay;
  slot.hallCursor = kNoMachine;
  ClearMachineRequests(CurrentSlot.index);
  HallChanged = 1;
}

void ClearMachineRequests(int slot) {
  if (slot < 0 || slot >= kPlayerSlots) return;
  MachineRecord* m = PlayerSlots[slot].machine;
  if (m == nullptr) return;
  m->redrawFlags = 0;
  m->soundRequest = 0;
}

int PendingCommandOnSwitch(int slot, int32_t& lParam) {
  lParam = 0;
  if (slot < 0 || slot >= kPlayerSlots) return 0;
  const PlayerSlot& s = PlayerSlots[slot];
  if (s.machine == nullptr || !SlotIsSeated(s)) return 0;
  if (s.machine->pendingNotice == NoticeOutOfMedals) {
    lParam = MakeLParam(TextOutOfMedals, s.seatedMachine);
    return CmdNotice;
  }
  if (s.machine->pendingNotice == NoticeClosingTime) {
    lParam = kLeaveReasonClosing;
    return CmdForcedLeave;
  }
  return 0;
}

bool SetPanelPage(int page) {
  PlayerSlot& slot = Current();
  if (page != 0 && page != 1) return false;
  if (slot.PanelPage == page) return false;
  slot.PanelPage = page;
  return true;
}

NoticePlace PlaceNotice(int mainLeft, int mainTop, int mainBottom, int noticeWidth,
                        int noticeHeight) {
  NoticePlace p;
  p.x = mainLeft + 240 - noticeWidth / 2;
  p.y = mainTop + (mainBottom - mainTop) / 2 - noticeHeight / 2;
  return p;
}
