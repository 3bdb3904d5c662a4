// The tick: counter wraps and blink flags, the busy-command skip, the notice dialog's aging
// and the shop clock with its crowd levels.
#include <gtest/gtest.h>

#include "hall/shops.h"
#include "base/game_clock.h"
#include "shell/notice_age.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"
#include "shell/tick_handler.h"

namespace {

int noticeTicks, screenTicks, hallTicks, panelTicks;
void CountNotice() { ++noticeTicks; }
void CountScreen() { ++screenTicks; }
void CountHall() { ++hallTicks; }
void CountPanel() { ++panelTicks; }
const TickSteps kCountingSteps = {CountNotice, CountScreen, CountHall, CountPanel};

class TickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    noticeTicks = screenTicks = hallTicks = panelTicks = 0;
  }
};

}  // namespace

TEST_F(TickTest, CountersWrapAtTheirBoundsInOrder) {
  int firstWrap[5] = {0, 0, 0, 0, 0};
  int wraps[5] = {0, 0, 0, 0, 0};
  int* counters[5] = {&Phase64, &Phase128, &Phase256, &Phase512, &Phase1024};
  for (int tick = 1; tick <= 640; ++tick) {
    AdvanceTickCounters();
    for (int i = 0; i < 5; ++i) {
      ASSERT_EQ(*counters[i] % 16, 0);
      ASSERT_LT(*counters[i], 64 << i);
      if (*counters[i] == 0) {
        ++wraps[i];
        if (firstWrap[i] == 0) firstWrap[i] = tick;
      }
    }
  }
  const int expectedFirst[5] = {4, 8, 16, 32, 64};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(firstWrap[i], expectedFirst[i]);
    EXPECT_EQ(wraps[i], 640 / expectedFirst[i]);
  }
}

TEST_F(TickTest, BlinkFlagsFlipOnEachWrap) {
  int flips64 = 0, flips256 = 0, last64 = 0, last256 = 0;
  for (int tick = 1; tick <= 256; ++tick) {
    AdvanceTickCounters();
    if (Blink64 != last64) {
      ++flips64;
      EXPECT_EQ(Phase64, 0);
      last64 = Blink64;
    }
    if (Blink256 != last256) {
      ++flips256;
      EXPECT_EQ(Phase256, 0);
      last256 = Blink256;
    }
    if (tick == 8) {
      EXPECT_EQ(Blink128, 1);
    }
    if (tick == 16) {
      EXPECT_EQ(Blink128, 0);
    }
  }
  EXPECT_EQ(flips64, 64);
  EXPECT_EQ(flips256, 16);
  // Anything but 0 flips to 0.
  Blink64 = 5;
  for (int i = 0; i < 4; ++i) AdvanceTickCounters();
  EXPECT_EQ(Blink64, 0);
}

TEST_F(TickTest, BusyCommandSkipsTheGameButNotTheCounters) {
  for (int i = 0; i < 64; ++i) RunTick(kCountingSteps);
  EXPECT_EQ(noticeTicks, 1);  // Phase1024 wraps on tick 64
  EXPECT_EQ(screenTicks, 64);
  EXPECT_EQ(hallTicks, 64);
  EXPECT_EQ(panelTicks, 64);
  CommandBusy = 1;
  for (int i = 0; i < 64; ++i) RunTick(kCountingSteps);
  EXPECT_EQ(noticeTicks, 2);
  EXPECT_EQ(screenTicks, 64);
  EXPECT_EQ(hallTicks, 64);
  EXPECT_EQ(Phase1024, 0);
  CommandBusy = 0;
  RunTick(TickSteps{});  // steps may be missing
  EXPECT_EQ(Phase64, 16);
}

TEST(NoticeAge, HidesOnTheNinthVisibleTick) {
  NoticeTextSet();
  for (int i = 1; i <= 8; ++i) EXPECT_FALSE(NoticeTickHides(true)) << i;
  EXPECT_TRUE(NoticeTickHides(true));
  // Ticks while hidden do not count; a new text starts again.
  NoticeTextSet();
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(NoticeTickHides(false));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(NoticeTickHides(true));
  NoticeTextSet();
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(NoticeTickHides(true));
  EXPECT_TRUE(NoticeTickHides(true));
}

namespace {
CalendarTime fixedTime;
void FixedClock(CalendarTime& out) { out = fixedTime; }

class ShopClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShopClock();
    SetClockSource(FixedClock);
    fixedTime = CalendarTime{0, 59, 21, 7, 11, 126, 1, 340, 0};
    Shops[0].level = Shops[1].level = -1;
  }
  void TearDown() override { SetClockSource(nullptr); }
};
}  // namespace

TEST_F(ShopClockTest, FirstCheckAlwaysFillsThenOncePerMinute) {
  EXPECT_EQ(StoredMinute(), 60);
  EXPECT_TRUE(ShopClockCheck());
  EXPECT_EQ(LocalTimeCopy.hour, 21);
  EXPECT_EQ(LocalTimeCopy.dayOfYear, 340);
  EXPECT_EQ(Shops[ShopDay].level, 1);  // 21:59
  EXPECT_EQ(Shops[ShopNight].level, 0);
  // Same minute: nothing changes, not even the seconds.
  fixedTime.second = 30;
  Shops[0].level = 9;
  EXPECT_FALSE(ShopClockCheck());
  EXPECT_EQ(LocalTimeCopy.second, 0);
  EXPECT_EQ(Shops[0].level, 9);
  // 22:00: the day shop closes as the night shop opens.
  fixedTime.minute = 0;
  fixedTime.hour = 22;
  EXPECT_TRUE(ShopClockCheck());
  EXPECT_EQ(Shops[ShopDay].level, 0);
  EXPECT_EQ(Shops[ShopNight].level, 2);
}

TEST(ShopLevels, ExactlyOneShopIsOpenAtAnyHour) {
  const int expected[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 1, 1, 1, 1, 4, 4, 3, 1, 1, 0, 0};
  for (int h = 0; h < 24; ++h) {
    EXPECT_EQ(ShopLevelForHour(h), expected[h]) << h;
    bool dayOpen = ShopLevelForHour(h) != 0;
    bool nightOpen = ShopLevelForHour((h + 12) % 24) != 0;
    EXPECT_NE(dayOpen, nightOpen) << h;
  }
}
