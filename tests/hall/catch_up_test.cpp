// Opening the shops: the time since the last opening, the catch-up of an open shop over a short
// gap, a night away and a missing file, the emptied closed shop, and a big bonus found under way.
#include <cstring>
#include <vector>

#include "hall/catch_up.h"
#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/player_slot.h"
#include "hall/record_ranges.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "machine/game_random.h"
#include "machine/machine_model.h"
#include "machine/machine_reset.h"
#include "base/screen_id.h"
#include "hall/shop_clock.h"
#include "shell/start_up.h"
#include "tests/hall/hall_test_support.h"
#include "tools/hallsim/hall_sim.h"

namespace {

CalendarTime At(int year, int month, int day, int hour, int minute, int second = 0) {
  CalendarTime t{};
  CivilFromSeconds(SecondsFromCivil(year, month, day, hour, minute, second), t);
  return t;
}

class CatchUpTest : public HallTest {
 protected:
  // Every day-shop floor machine with a customer holding these medals and nothing else.
  void FillDayShop(int medals) {
    for (int i = 0; i < 16; ++i) PlaceOccupant(ShopDay, i, OccupantCustomer, medals);
  }
};

TEST_F(CatchUpTest, ElapsedSecondsWithinAYearAndAcrossNewYear) {
  EXPECT_EQ(ElapsedSeconds(At(2026, 12, 6, 21, 0), At(2026, 12, 7, 10, 30)), 13 * 3600 + 1800);
  EXPECT_EQ(ElapsedSeconds(At(2026, 12, 7, 10, 30), At(2026, 12, 7, 10, 30, 30)), 30);
  EXPECT_EQ(ElapsedSeconds(At(2026, 12, 31, 23, 0), At(2027, 1, 1, 1, 0)), 7200);
  // Into a leap year and out of one: still two hours.
  EXPECT_EQ(ElapsedSeconds(At(2027, 12, 31, 23, 0), At(2028, 1, 1, 1, 0)), 7200);
  EXPECT_EQ(ElapsedSeconds(At(2028, 12, 31, 23, 0), At(2029, 1, 1, 1, 0)), 7200);
  // Years apart count as one year; a time in a later year gives -1.
  EXPECT_EQ(ElapsedSeconds(At(2020, 3, 1, 12, 0), At(2026, 3, 1, 12, 0)), 365 * 86400);
  EXPECT_EQ(ElapsedSeconds(At(2027, 1, 1, 0, 0), At(2026, 12, 31, 23, 0)), -1);
  // The zero time of a missing file lies far in the past.
  EXPECT_GT(ElapsedSeconds(CalendarTime{}, At(2026, 12, 7, 12, 0)), 43200);
}

// Quit at 21:00, start at 10:30: a new day with no whole day missed, today's count zeroed
// without shifting the older counts, and the half hour since 10:00 played in two steps.
TEST_F(CatchUpTest, ThirteenAndAHalfHoursAtHalfPastTen) {
  SetClock(2026, 12, 7, 10, 30);
  int highestGames = 0;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    SeedGameRandom(seed);
    ResetShopsToDefaults();
    SetClock(2026, 12, 7, 10, 30);
    Shops[ShopDay].lastOpenTime = At(2026, 12, 6, 21, 0);
    FillDayShop(500);
    for (int i = 0; i < 16; ++i) {
      MachineRecord& m = Shops[ShopDay].machines[i];
      m.bigCountDay[0] = 3;
      m.bigCountDay[1] = 5;
      m.bigCountDay[2] = 7;
      m.gamesSinceBig = 900;
    }
    OpenShops();
    for (int i = 0; i < 16; ++i) {
      const MachineRecord& m = Shops[ShopDay].machines[i];
      EXPECT_EQ(m.bigCountDay[0], 3);
      EXPECT_EQ(m.bigCountDay[1], 5);
      EXPECT_EQ(m.bigCountDay[2], 0);  // no stock: 1800 s add none, so no big bonus today
      EXPECT_EQ(m.bigStock, 0);
      // The new day freed every seat and cleared the games; a customer who sat down in the
      // first step and played 120 games in the second has fewer than 240, never more.
      EXPECT_LT(m.gamesSinceBig, 240);
      if (m.gamesSinceBig > highestGames) highestGames = m.gamesSinceBig;
    }
  }
  EXPECT_GE(highestGames, 120);  // two steps, not one
}

TEST_F(CatchUpTest, ThirtySecondsStillRunOneStep) {
  SetClock(2026, 12, 7, 14, 0, 30);
  Shops[ShopDay].lastOpenTime = At(2026, 12, 7, 14, 0, 0);
  FillDayShop(1000);
  OpenShops();
  int played = 0;
  for (int i = 0; i < 16; ++i) {
    const MachineRecord& m = Shops[ShopDay].machines[i];
    if (m.occupant == OccupantFree) continue;  // went home in the one step
    EXPECT_EQ(m.gamesSinceBig, 120);
    EXPECT_EQ(m.medals, 880);
    ++played;
  }
  EXPECT_GT(played, 8);
  EXPECT_EQ(Shops[ShopDay].occupiedCount, played);
}

TEST_F(CatchUpTest, ClosedShopStandsEmptyAndPlayersStartInTheOpenShop) {
  SetClock(2026, 12, 7, 23, 15);  // the day shop is closed
  FillDayShop(300);
  Shops[ShopDay].machines[16].medals = 0;
  OpenShops();
  for (int i = 0; i < 16; ++i) {
    const MachineRecord& m = Shops[ShopDay].machines[i];
    EXPECT_EQ(m.occupant, OccupantFree);
    EXPECT_EQ(m.medals, 0);
    EXPECT_GE(m.bet, 1);  // a random bet and a losing display
    EXPECT_LE(m.bet, 3);
  }
  EXPECT_EQ(Shops[ShopDay].occupiedCount, 0);
  for (const PlayerSlot& slot : PlayerSlots) {
    EXPECT_EQ(slot.shop, ShopNight);
    EXPECT_EQ(slot.screen, ScreenTitle);
    EXPECT_EQ(slot.machine, &Shops[ShopNight].machines[16]);
    EXPECT_EQ(slot.seatedMachine, 16);
  }
  EXPECT_EQ(CurrentSlot.slot, &PlayerSlots[0]);
}

TEST_F(CatchUpTest, MissingFileGivesThreeSimulatedDays) {
  ASSERT_EQ(LoadData(), 0);  // nothing in the data folder
  SetClock(2026, 12, 7, 12, 0);
  OpenShops();
  int withOlderDays = 0;
  for (int i = 0; i < 16; ++i) {
    const MachineRecord& m = Shops[ShopDay].machines[i];
    // Day one had a stock of ten; two days of ten more cannot pay out more than twenty more.
    EXPECT_LT(m.bigCountDay[0], 10);
    EXPECT_LE(m.bigCountDay[0] + m.bigCountDay[1], 20);
    EXPECT_EQ(m.setting, 2);
    if (m.bigCountDay[0] > 0 || m.bigCountDay[1] > 0) ++withOlderDays;
    // Two hours since 10:00: seven steps at most 7 big bonuses today, plus one under way.
    EXPECT_LE(m.bigCountDay[2], 8);
  }
  EXPECT_GT(withOlderDays, 8);
  EXPECT_GT(Shops[ShopDay].occupiedCount, 0);
  EXPECT_EQ(Shops[ShopNight].occupiedCount, 0);
}

TEST_F(CatchUpTest, BigBonusUnderWayIsContinuedByItsCustomer) {
  // Customers with stock, half an hour: some are caught in the middle of a big bonus.
  const MachineRecord* found = nullptr;
  int index = -1;
  for (uint32_t seed = 1; seed <= 200 && found == nullptr; ++seed) {
    SeedGameRandom(seed);
    ResetShopsToDefaults();
    SetClock(2026, 12, 7, 14, 30);
    Shops[ShopDay].lastOpenTime = At(2026, 12, 7, 14, 0);
    FillDayShop(2000);
    for (int i = 0; i < 16; ++i) Shops[ShopDay].machines[i].bigStock = 5;
    OpenShops();
    for (int i = 0; i < 16; ++i) {
      if (Shops[ShopDay].machines[i].bigGames > 0) {
        found = &Shops[ShopDay].machines[i];
        index = i;
        break;
      }
    }
  }
  ASSERT_NE(found, nullptr);
  const MachineRecord& m = *found;
  int x = 30 - m.bigGames;  // general games of the bonus already played
  ASSERT_GE(x, 0);
  ASSERT_LE(x, 20);
  EXPECT_EQ(m.occupant, OccupantCustomer);
  EXPECT_EQ(m.state, StateIdle);
  if (x < 2) {
    EXPECT_EQ(m.bigNet, 5 * x);
    EXPECT_EQ(m.gamesSinceBig, x + 1);
  } else if (x < 8) {
    EXPECT_EQ(m.bigNet, 5 * x + 84);
    EXPECT_GE(m.gamesSinceBig, x + 7);
    EXPECT_LE(m.gamesSinceBig, x + 12);
  } else {
    EXPECT_EQ(m.bigNet, 5 * x + 198);
    EXPECT_GE(m.gamesSinceBig, x + 13);
    EXPECT_LE(m.gamesSinceBig, x + 24);
  }
  // The customer plays the bonus on to its end.
  int ticks = 0;
  while (Shops[ShopDay].machines[index].bigGames != 0 && ticks < 200000) {
    Tick();
    ++ticks;
  }
  EXPECT_EQ(Shops[ShopDay].machines[index].bigGames, 0);
  EXPECT_LT(ticks, 200000);
}

TEST_F(CatchUpTest, NoTimePassedStillCountsTheFloor) {
  SetClock(2026, 12, 7, 14, 0);
  Shops[ShopDay].lastOpenTime = At(2026, 12, 7, 14, 0);
  PlaceOccupant(ShopDay, 2, OccupantCustomer, 100);
  PlaceOccupant(ShopDay, 9, OccupantCustomer, 100);
  Shops[ShopDay].occupiedCount = 0;
  OpenShops();
  EXPECT_EQ(Shops[ShopDay].occupiedCount, 2);
  // A last opening in a later year (a clock set back) runs no catch-up either.
  Shops[ShopDay].lastOpenTime = At(2027, 1, 2, 14, 0);
  SeedGameRandom(5);
  OpenShops();
  EXPECT_EQ(Shops[ShopDay].machines[2].medals, 100);
}

TEST_F(CatchUpTest, SeatLeftWithAPlayersCodeIsFreedAtOpening) {
  SetClock(2026, 12, 7, 14, 0);
  Shops[ShopDay].lastOpenTime = At(2026, 12, 7, 14, 0);
  MachineRecord& m = PlaceOccupant(ShopDay, 6, OccupantFirstPlayer + 1, 40);
  m.bigGames = 12;
  OpenShops();
  EXPECT_EQ(m.occupant, OccupantFree);
  EXPECT_EQ(m.bigGames, 12);  // its bonus stays for the next customer
  EXPECT_EQ(Shops[ShopDay].occupiedCount, 0);
}

// A hall full of customers in the middle of their games, quit and started again after gaps
// from a second to years: the catch-up takes medals from machines that hold credit, and every
// record must stay one the next start accepts, or both shops and the high scores are lost.
TEST_F(CatchUpTest, RestartsAfterAnyGapKeepTheHallFile) {
  const int64_t gaps[] = {1,     30,    60,     61,         300,        1199,       1200,
                          3600,  14400, 39600,  43201,      48600,      2 * 86400,  5 * 86400,
                          86399, 7200,  400 * 86400, 3 * 365 * 86400};
  const std::string hall = DataPath("restart-hall.dat");
  const int height = ActiveMachine().symbolHeight;
  int restarts = 0, rejected = 0, outOfRange = 0, heldCredit = 0;
  for (uint32_t seed = 11; seed <= 18; ++seed) {
    StartSimClock(SecondsFromCivil(2026, 12, 7, 11, 0, 0));
    SimStartUp(seed, true);
    for (int t = 0; t < 20000; ++t) SimTick(HallTick);  // customers settle in, credit builds
    for (int64_t gap : gaps) {
      for (const ShopRecord& s : Shops) {
        for (int i = 0; i < kFloorMachines; ++i) heldCredit += s.machines[i].credit > 0;
      }
      ASSERT_TRUE(SaveHallFile(hall.c_str()));
      StartSimClock(SimClockMilliseconds() / 1000 + gap);
      ++restarts;
      if (!LoadHallFile(hall.c_str())) ++rejected;
      SimRestart();
      for (const ShopRecord& s : Shops) {
        for (const MachineRecord& m : s.machines) {
          const char* field = MachineFieldOutOfRange(m, height);
          if (field != nullptr) {
            ++outOfRange;
            ADD_FAILURE() << "after a gap of " << gap << " s: " << field << " credit " << m.credit
                          << " medals " << m.medals;
          }
        }
      }
      for (int t = 0; t < 2400; ++t) SimTick(HallTick);
    }
  }
  EXPECT_GT(heldCredit, 100) << "machines holding credit at a quit";  // the case that matters
  EXPECT_EQ(rejected, 0) << "of " << restarts << " restarts";
  EXPECT_EQ(outOfRange, 0);
}

// Every start of the game plays other games: the random source is seeded from the clock. Two
// starts a second apart, from the state a fresh process has and with no save files, open
// different floors; two starts at the same second open the same one.
TEST_F(CatchUpTest, StartUpSeedsTheRandomSourceFromTheClock) {
  auto floorAt = [&](int second) {
    SeedGameRandom(1);  // what a fresh process holds before anything seeds it
    SetClock(2026, 12, 7, 12, 0, second);
    StartUpHall();
    std::vector<MachineRecord> floor;
    for (const ShopRecord& s : Shops) floor.insert(floor.end(), s.machines, s.machines + 16);
    return floor;
  };
  auto same = [](const std::vector<MachineRecord>& a, const std::vector<MachineRecord>& b) {
    return std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0;
  };
  std::vector<MachineRecord> first = floorAt(10);
  EXPECT_FALSE(same(first, floorAt(11)));
  EXPECT_TRUE(same(first, floorAt(10)));
  EXPECT_NE(ClockSeed(), 0u);
}

}  // namespace
