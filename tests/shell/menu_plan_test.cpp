// Menus per screen: the hall screens lose the items that do not apply, the checks follow the
// slot, the shop, the machine and the options, and the sound item greys without a device.
#include <gtest/gtest.h>

#include <algorithm>

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "shell/command_ids.h"
#include "shell/menu_plan.h"
#include "base/screen_id.h"
#include "base/options.h"

namespace {

bool Has(const int* items, int n, int command) { return std::find(items, items + n, command) != items + n; }
bool Checked(const MenuPlan& p, int command) { return Has(p.checked, p.checkedCount, command); }
bool Removed(const MenuPlan& p, int command) { return Has(p.removed, p.removedCount, command); }

class MenuPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kPlayerSlots; ++i) ResetPlayerSlot(i);
    MakeSlotCurrent(0);
    SoundAvailable = 1;
    SoundOn = 1;
    AnnounceOn = 1;
  }
};

TEST_F(MenuPlanTest, TitleBarChecksTheShopButThePopupDoesNot) {
  CurrentSlot.slot->shop = 1;
  MenuPlan bar = BarMenuPlan();
  EXPECT_EQ(bar.menuId, 301);
  EXPECT_TRUE(Checked(bar, CmdNightShop));
  EXPECT_FALSE(Checked(bar, CmdDayShop));
  MenuPlan popup = PopupMenuPlan();
  EXPECT_EQ(popup.menuId, 310);
  EXPECT_FALSE(Checked(popup, CmdNightShop));
  EXPECT_EQ(popup.removedCount, 0);
}

TEST_F(MenuPlanTest, HallScreensRemoveWhatDoesNotApply) {
  CurrentSlot.slot->screen = ScreenHall;
  MenuPlan hall = BarMenuPlan();
  EXPECT_EQ(hall.menuId, 302);
  EXPECT_EQ(hall.removedCount, 1);
  EXPECT_TRUE(Removed(hall, CmdBackToMachine));
  EXPECT_EQ(PopupMenuPlan().menuId, 311);

  CurrentSlot.slot->screen = ScreenHallAway;
  MenuPlan away = PopupMenuPlan();
  EXPECT_EQ(away.menuId, 311);
  EXPECT_EQ(away.removedCount, 2);
  EXPECT_TRUE(Removed(away, CmdSelectMachine));
  EXPECT_TRUE(Removed(away, CmdLeaveShop));
}

TEST_F(MenuPlanTest, PlayScreenChecksTheMachinesModeAndOrder) {
  MachineRecord m{};
  m.autoPlay = 1;
  m.stopOrder = 0;
  CurrentSlot.slot->screen = ScreenPlay;
  CurrentSlot.slot->machine = &m;
  MenuPlan bar = BarMenuPlan();
  EXPECT_EQ(bar.menuId, 303);
  EXPECT_TRUE(Checked(bar, CmdAuto));
  EXPECT_FALSE(Checked(bar, CmdManual));
  EXPECT_TRUE(Checked(bar, CmdOrder123));
  m.autoPlay = 0;
  m.stopOrder = 1;
  MenuPlan popup = PopupMenuPlan();
  EXPECT_EQ(popup.menuId, 312);
  EXPECT_TRUE(Checked(popup, CmdManual));
  EXPECT_TRUE(Checked(popup, CmdOrder132));
}

TEST_F(MenuPlanTest, SlotAndOptionsAreChecked) {
  MakeSlotCurrent(2);
  AnnounceOn = 0;
  MenuPlan p = BarMenuPlan();
  EXPECT_TRUE(Checked(p, CmdSlotP1 + 2));
  EXPECT_FALSE(Checked(p, CmdSlotP1));
  EXPECT_TRUE(Checked(p, CmdSound));
  EXPECT_FALSE(Checked(p, CmdAnnounce));
  EXPECT_FALSE(p.soundGreyed);
}

TEST_F(MenuPlanTest, NoDeviceGreysSoundAndLeavesItUnchecked) {
  SoundAvailable = 0;
  SoundOn = 0;
  MenuPlan p = PopupMenuPlan();
  EXPECT_TRUE(p.soundGreyed);
  EXPECT_FALSE(Checked(p, CmdSound));
}

}  // namespace
