// The info panel: each screen shows its own controls and no two that share a place, and the
// click areas split where the artwork splits.
#include <gtest/gtest.h>

#include <set>

#include "shell/command_ids.h"
#include "shell/panel_layout.h"
#include "base/screen_id.h"

namespace {

std::set<int> Shown(int screen, int page) {
  int ids[kPanelControlCount];
  int n = ScreenControlIds(screen, page, ids);
  return std::set<int>(ids, ids + n);
}

TEST(PanelLayout, EachScreenShowsItsOwnControls) {
  EXPECT_EQ(Shown(ScreenTitle, 0), (std::set<int>{PanelMiseBtn, 7, 8, 9}));
  EXPECT_EQ(Shown(ScreenHall, 0), (std::set<int>{10, 11, 12, 8, 14}));
  EXPECT_EQ(Shown(ScreenHallAway, 0), (std::set<int>{10, 11, 13, 8}));
  EXPECT_EQ(Shown(ScreenPlay, 0), (std::set<int>{PanelTab, 15, 16, 8, 17}));
  EXPECT_EQ(Shown(ScreenPlay, 1), (std::set<int>{PanelTab, PanelPlayBtn, PanelTurnBtn}));
  EXPECT_TRUE(Shown(99, 0).empty());
}

TEST(PanelLayout, HideOrderCoversEveryControlOnce) {
  std::set<int> all(kPanelHideOrder, kPanelHideOrder + kPanelControlCount);
  EXPECT_EQ(all.size(), static_cast<size_t>(kPanelControlCount));
  EXPECT_EQ(*all.begin(), PanelMiseBtn);
  EXPECT_EQ(*all.rbegin(), PanelTurnBtn);
}

TEST(PanelLayout, ButtonsPostTheirCommands) {
  EXPECT_EQ(PanelButtonCommand(7), CmdEnterShop);
  EXPECT_EQ(PanelButtonCommand(9), CmdExit);
  EXPECT_EQ(PanelButtonCommand(13), CmdBackToMachine);
  EXPECT_EQ(PanelButtonCommand(14), CmdLeaveShop);
  EXPECT_EQ(PanelButtonCommand(17), CmdStopPlaying);
  EXPECT_EQ(PanelButtonCommand(6), 0);
  EXPECT_EQ(PanelButtonCommand(18), 0);
}

TEST(PanelLayout, ClickAreasSplitAtTheirEdges) {
  EXPECT_EQ(PlayerTabAt(31, 169), -1);
  EXPECT_EQ(PlayerTabAt(31, 196), -1);
  EXPECT_EQ(PlayerTabAt(31, 170), 0);
  EXPECT_EQ(PlayerTabAt(32, 170), 1);
  EXPECT_EQ(PlayerTabAt(95, 195), 2);
  EXPECT_EQ(PlayerTabAt(127, 180), 3);
  EXPECT_EQ(ShopCommandAt(59), CmdDayShop);
  EXPECT_EQ(ShopCommandAt(60), CmdNightShop);
  EXPECT_EQ(PlayModeCommandAt(59), CmdManual);
  EXPECT_EQ(PlayModeCommandAt(60), CmdAuto);
  EXPECT_EQ(StopOrderCommandAt(40), CmdOrder123);
  EXPECT_EQ(StopOrderCommandAt(41), CmdOrder132);
  EXPECT_EQ(PageAt(63), 0);
  EXPECT_EQ(PageAt(64), 1);
}

}  // namespace
