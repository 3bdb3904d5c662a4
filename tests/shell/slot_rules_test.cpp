// The state side of the shell's commands: choices already made change nothing, the hall cursor
// wraps, a slot's pending notice comes back at a switch, and the notice is centred.
#include <gtest/gtest.h>

#include "hall/hall_outbox.h"
#include "hall/player_slot.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "base/screen_id.h"
#include "base/options.h"
#include "shell/slot_rules.h"

namespace {

class SlotRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Shops[ShopDay].level = 1;
    Shops[ShopNight].level = 0;
    for (int i = 0; i < kPlayerSlots; ++i) ResetPlayerSlot(i);
    MakeSlotCurrent(0);
    HallScroll = 0;
  }
  PlayerSlot& Slot() { return *CurrentSlot.slot; }
  void SeatAt(int machine) {
    Slot().screen = ScreenPlay;
    Slot().seatedMachine = machine;
    Slot().machine = &Shops[Slot().shop].machines[machine];
  }
};

TEST_F(SlotRulesTest, ChoosingTheShopAlreadyChosenChangesNothing) {
  EXPECT_EQ(Slot().shop, ShopDay);
  EXPECT_FALSE(ChooseShop(ShopDay));
  EXPECT_TRUE(ChooseShop(ShopNight));
  EXPECT_EQ(Slot().shopRecord, &Shops[ShopNight]);
  EXPECT_EQ(Slot().machine, &Shops[ShopNight].machines[kPlaceholderMachine]);
  EXPECT_FALSE(ChooseShop(2));
}

TEST_F(SlotRulesTest, PlayModeAndStopOrderLiveOnTheMachine) {
  SeatAt(3);
  Shops[ShopDay].machines[3].autoPlay = 0;
  Shops[ShopDay].machines[3].stopOrder = 0;
  EXPECT_FALSE(SetPlayMode(0));
  EXPECT_TRUE(SetPlayMode(1));
  EXPECT_EQ(Shops[ShopDay].machines[3].autoPlay, 1);
  EXPECT_FALSE(SetPlayMode(1));
  EXPECT_TRUE(SetStopOrder(1));
  EXPECT_FALSE(SetStopOrder(1));
  EXPECT_FALSE(SetStopOrder(2));
  EXPECT_EQ(Shops[ShopDay].machines[3].stopOrder, 1);
}

TEST_F(SlotRulesTest, HallCursorWrapsAndSlides) {
  WalkIntoHall();
  EXPECT_EQ(Slot().screen, ScreenHall);
  EXPECT_EQ(Slot().hallCursor, 0);
  StepHallCursor(-1);
  EXPECT_EQ(Slot().hallCursor, 15);
  EXPECT_EQ(HallScroll, 192);
  StepHallCursor(+1);
  EXPECT_EQ(Slot().hallCursor, 0);
  EXPECT_EQ(HallScroll, -192);
  StepHallCursor(+1);
  EXPECT_EQ(Slot().hallCursor, 1);
}

TEST_F(SlotRulesTest, LookingAroundKeepsTheSeat) {
  SeatAt(5);
  Slot().hallCursor = kNoMachine;
  Shops[ShopDay].machines[5].redrawFlags = 7;
  Shops[ShopDay].machines[5].soundRequest = 704;
  LookAtHall();
  EXPECT_EQ(Slot().screen, ScreenHallAway);
  EXPECT_EQ(Slot().hallCursor, 5);
  EXPECT_EQ(Slot().seatedMachine, 5);
  ReturnToMachine();
  EXPECT_EQ(Slot().screen, ScreenPlay);
  EXPECT_EQ(Slot().hallCursor, kNoMachine);
  EXPECT_EQ(Shops[ShopDay].machines[5].redrawFlags, 0);
  EXPECT_EQ(Shops[ShopDay].machines[5].soundRequest, 0);
}

TEST_F(SlotRulesTest, PendingNoticeComesBackAtTheSwitch) {
  int32_t lParam = -1;
  EXPECT_EQ(PendingCommandOnSwitch(0, lParam), 0);  // not seated: the placeholder never asks
  SeatAt(3);
  Shops[ShopDay].machines[3].pendingNotice = NoticeOutOfMedals;
  EXPECT_EQ(PendingCommandOnSwitch(0, lParam), CmdNotice);
  EXPECT_EQ(LowWord(lParam), TextOutOfMedals);
  EXPECT_EQ(HighWord(lParam), 3);
  Shops[ShopDay].machines[3].pendingNotice = NoticeClosingTime;
  EXPECT_EQ(PendingCommandOnSwitch(0, lParam), CmdForcedLeave);
  EXPECT_EQ(lParam, kLeaveReasonClosing);
  Shops[ShopDay].machines[3].pendingNotice = NoticeNone;
  EXPECT_EQ(PendingCommandOnSwitch(0, lParam), 0);
  EXPECT_EQ(PendingCommandOnSwitch(4, lParam), 0);
}

TEST_F(SlotRulesTest, PanelPageChangesOnlyWhenNew) {
  EXPECT_FALSE(SetPanelPage(0));
  EXPECT_TRUE(SetPanelPage(1));
  EXPECT_EQ(Slot().PanelPage, 1);
  EXPECT_FALSE(SetPanelPage(1));
  EXPECT_FALSE(SetPanelPage(2));
}

TEST(NoticePlacement, CentredOnTheScreenAreaAcrossAndOnTheWindowDown) {
  NoticePlace p = PlaceNotice(100, 50, 530, 219, 91);
  EXPECT_EQ(p.x, 100 + 240 - 109);
  EXPECT_EQ(p.y, 50 + 240 - 45);
}

}  // namespace
