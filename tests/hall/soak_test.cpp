// Twenty-four simulated hours of both shops, with two players who come and go: every invariant
// checked at every game end, the files saved and loaded on the way, and no heap allocation
// inside HallTick (this test binary counts every operator new).
#include <cstdlib>
#include <cstring>
#include <new>

#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/medal_exchange.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/record_checksum.h"
#include "hall/record_ranges.h"
#include "hall/save_data.h"
#include "hall/seats.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/visits.h"
#include "machine/machine_model.h"
#include "base/screen_id.h"
#include "hall/shop_clock.h"
#include "tests/hall/hall_test_support.h"
#include "tools/hallsim/hall_sim.h"

namespace {
bool countAllocations = false;
long allocationsCounted = 0;

void* Allocate(std::size_t size) {
  if (countAllocations) ++allocationsCounted;
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (countAllocations) ++allocationsCounted;
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (countAllocations) ++allocationsCounted;
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

void CountedHallTick() {
  countAllocations = true;
  HallTick();
  countAllocations = false;
}

class SoakTest : public HallTest, public ::testing::WithParamInterface<int> {
 protected:
  struct Seen {
    long gameEnds = 0;
    long bigStarts = 0;
    long bigNotices = 0;
    long arrivalsWhileClosed = 0;
    long visits = 0;
    long exchanges = 0;
  } seen;

  // Whatever is wrong with the hall right now, or empty.
  std::string Broken(int shop, int i) {
    const ShopRecord& s = Shops[shop];
    const MachineRecord& m = s.machines[i];
    const char* field = MachineFieldOutOfRange(m, ActiveMachine().symbolHeight);
    if (field != nullptr) return std::string("out of range: ") + field;
    if (m.occupant >= OccupantFirstPlayer) {
      const PlayerSlot& slot = PlayerSlots[m.occupant - OccupantFirstPlayer];
      if (slot.machine != &m || slot.shop != shop || slot.seatedMachine != i) return "seat";
    }
    int occupied = 0;
    for (int k = 0; k < 16; ++k) occupied += s.machines[k].occupant != OccupantFree;
    if (occupied != s.occupiedCount) return "occupiedCount";
    if (occupied > 12 + 2) return "more than the cap";
    return "";
  }

  // The shell's part for a player who is not current: enter, sit down, buy medals when told,
  // go home when the shop closes or the purse is empty.
  void ServePlayer(int slot, const char* name, int shop, int machine) {
    PlayerSlot& s = PlayerSlots[slot];
    if (s.name[0] == '\0') {
      if (Shops[shop].level == 0 || Shops[shop].machines[machine].occupant != OccupantFree) return;
      MakeSlotCurrent(slot);
      ResetPlayerSlot(slot);
      int k = 0;
      while (k < kPlayerRecords && std::strcmp(Players[k].name, name) != 0) ++k;
      ASSERT_LT(k, kPlayerRecords);
      if (Players[k].purse < 1000) Players[k].purse = 10000;  // a new month's pocket money
      ASSERT_EQ(StartVisit(k), 1);
      s.screen = ScreenHall;
      s.hallCursor = machine;
      ASSERT_EQ(TakeSeat().stringId, 0);
      s.machine->autoPlay = 1;
      ++seen.visits;
      MakeSlotCurrent(0);
      return;
    }
    if (!SlotIsSeated(s)) return;
    int notice = s.machine->pendingNotice;
    if (notice == NoticeNone) return;
    MakeSlotCurrent(slot);
    bool leave = notice == NoticeClosingTime;
    if (notice == NoticeOutOfMedals) {
      if (ExchangeMedals(1302).stringId == 0) {
        ++seen.exchanges;
      } else {
        leave = true;
      }
    }
    if (leave) {
      ASSERT_EQ(LeaveSeat(slot), 1);
      CashOut(slot);
      ASSERT_EQ(CloseVisit().stringId, TextFarewell);
      FreeSlotAfterVisit();
    }
    MakeSlotCurrent(0);
  }
};

TEST_F(HallTest, AllocationCounterSeesAllocations) {
  countAllocations = true;
  long before = allocationsCounted;
  int* p = new int(3);
  countAllocations = false;
  EXPECT_EQ(allocationsCounted, before + 1);
  delete p;
}

// Every machine of this build stands in the hall once: what the game can reach must pass the
// checks a loaded file has to pass.
TEST_P(SoakTest, TwentyFourHoursOfBothShops) {
  const MachineModel* model = MachineModelOfGame(GetParam());
  if (model == nullptr) GTEST_SKIP() << "machine of game No." << GetParam() << " not in this build";
  SelectMachine(*model);
  const int height = model->symbolHeight;
  StartSimClock(SecondsFromCivil(2026, 12, 7, 9, 0, 0));
  SimStartUp(777, true);
  HallMessage refusal;
  ASSERT_EQ(EnrolPlayer("Day", refusal), 1);
  ASSERT_EQ(EnrolPlayer("Night", refusal), 2);
  allocationsCounted = 0;
  int before[2][16];
  for (int hour = 0; hour < 24; ++hour) {
    for (int t = 0; t < kTicksPerHour; ++t) {
      for (int shop = 0; shop < 2; ++shop) {
        for (int i = 0; i < 16; ++i) before[shop][i] = Shops[shop].machines[i].occupant;
      }
      SimTick(CountedHallTick);
      for (int shop = 0; shop < 2; ++shop) {
        for (int i = 0; i < 16; ++i) {
          const MachineRecord& m = Shops[shop].machines[i];
          if (Shops[shop].level == 0 && before[shop][i] == OccupantFree && m.occupant != OccupantFree) {
            ++seen.arrivalsWhileClosed;
          }
          if (m.state != StateGameOver) continue;
          ++seen.gameEnds;
          if (m.bigGames == 30) ++seen.bigStarts;
          std::string broken = Broken(shop, i);
          ASSERT_EQ(broken, "") << "shop " << shop << " machine " << i << " hour " << hour;
        }
      }
      HallPost post;
      while (TakeHallPost(post)) {
        if (post.command == CmdNotice && LowWord(post.lParam) == TextBigBonusStart) ++seen.bigNotices;
      }
      if (t % 64 == 0) {
        ServePlayer(1, "Day", ShopDay, 5);
        ServePlayer(2, "Night", ShopNight, 10);
      }
    }
    for (int shop = 0; shop < 2; ++shop) {
      for (int i = 0; i < 17; ++i) {
        const char* field = MachineFieldOutOfRange(Shops[shop].machines[i], height);
        ASSERT_EQ(field, nullptr) << field << ", shop " << shop << " machine " << i << " hour " << hour;
      }
      ASSERT_TRUE(ShopRecordInRange(Shops[shop], height)) << hour;
    }
    StorePlayerChecksums();
    ASSERT_TRUE(PlayerArrayInRange(Players)) << hour;
    if (hour % 6 == 5) {
      // What the game would save now loads back byte for byte.
      static ShopRecord saved[2];
      std::string hall = DataPath("soak-hall.dat");
      ASSERT_TRUE(SaveHallFile(hall.c_str()));
      std::memcpy(saved, Shops, sizeof Shops);
      ASSERT_TRUE(LoadHallFile(hall.c_str()));
      ASSERT_EQ(std::memcmp(saved, Shops, sizeof Shops), 0);
    }
  }
  EXPECT_EQ(allocationsCounted, 0);
  EXPECT_EQ(seen.arrivalsWhileClosed, 0);
  EXPECT_EQ(seen.bigNotices, seen.bigStarts);
  EXPECT_EQ(HallPostsDropped, 0);
  EXPECT_GT(seen.gameEnds, 100000);
  EXPECT_GT(seen.bigStarts, 100);
  EXPECT_GE(seen.visits, 2);
  EXPECT_GT(seen.exchanges, 0);
  EXPECT_GT(Players[0].wins + Players[0].losses, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, SoakTest, ::testing::Range(1, 8),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "No" + std::to_string(info.param);
                         });

}  // namespace
