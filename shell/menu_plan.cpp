// Menus follow the current player: the screen decides the menu, the slot, the shop, the seated
// machine's play mode and stop order and the two options decide the checks.
#include "shell/menu_plan.h"

#include "hall/player_slot.h"
#include "shell/command_ids.h"
#include "base/screen_id.h"
#include "base/options.h"

namespace {

void Remove(MenuPlan& plan, int command) { plan.removed[plan.removedCount++] = command; }
void Check(MenuPlan& plan, int command) { plan.checked[plan.checkedCount++] = command; }

MenuPlan Plan(bool bar) {
  MenuPlan plan{};
  const PlayerSlot& slot = *CurrentSlot.slot;
  const MachineRecord* m = slot.machine;
  switch (slot.screen) {
    case ScreenHall:
      plan.menuId = bar ? IDM_HALL_BAR : IDM_HALL_POPUP;
      Remove(plan, CmdBackToMachine);
      break;
    case ScreenHallAway:
      plan.menuId = bar ? IDM_HALL_BAR : IDM_HALL_POPUP;
      Remove(plan, CmdSelectMachine);
      Remove(plan, CmdLeaveShop);
      break;
    case ScreenPlay:
      plan.menuId = bar ? IDM_PLAY_BAR : IDM_PLAY_POPUP;
      if (m != nullptr) {
        Check(plan, m->autoPlay == 1 ? CmdAuto : CmdManual);
        Check(plan, m->stopOrder == 1 ? CmdOrder132 : CmdOrder123);
      }
      break;
    default:
      plan.menuId = bar ? IDM_TITLE_BAR : IDM_TITLE_POPUP;
      if (bar) Check(plan, slot.shop == 1 ? CmdNightShop : CmdDayShop);
      break;
  }
  plan.soundGreyed = SoundAvailable == 0;
  Check(plan, CmdSlotP1 + CurrentSlot.index);
  if (SoundOn) Check(plan, CmdSound);
  if (AnnounceOn) Check(plan, CmdAnnounce);
  return plan;
}

}  // namespace

MenuPlan BarMenuPlan() { return Plan(true); }
MenuPlan PopupMenuPlan() { return Plan(false); }
