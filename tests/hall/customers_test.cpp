// Customers and the game-end checks: the caps of each crowd level, running out of medals in a
// crowded and in a quiet shop, closing time and running bonuses, the notices and the outbox.
#include "hall/customers.h"
#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/player_slot.h"
#include "hall/seats.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "machine/machine_catalog.h"
#include "machine/machine_model.h"
#include "machine/machine_reset.h"
#include "base/screen_id.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"
#include "tests/hall/hall_test_support.h"

namespace {

class CustomersTest : public HallTest {
 protected:
  // A machine whose game ends on the next tick (its pay-out is done).
  MachineRecord& EndingGame(int shop, int machine, int occupant, int medals) {
    MachineRecord& m = PlaceOccupant(shop, machine, occupant, medals);
    m.state = StatePayingOut;
    m.payoutPending = 0;
    m.bet = 3;
    return m;
  }
  // Customers who will neither run out nor go home rich during a test.
  void Crowd(int shop, int first, int count) {
    for (int i = first; i < first + count; ++i) PlaceOccupant(shop, i, OccupantCustomer, 300);
  }
  // Seats the player of slot i at a machine of the day shop.
  MachineRecord& SeatPlayer(int slot, int machine, int medals) {
    MakeSlotCurrent(slot);
    std::snprintf(PlayerSlots[slot].name, sizeof PlayerSlots[slot].name, "P%d", slot + 1);
    PlayerSlots[slot].screen = ScreenHall;
    PlayerSlots[slot].hallCursor = machine;
    EXPECT_EQ(TakeSeat().stringId, 0);
    MachineRecord& m = Shops[ShopDay].machines[machine];
    m.medals = medals;
    m.pendingNotice = NoticeNone;
    return m;
  }
  std::vector<HallPost> Drain() {
    std::vector<HallPost> posts;
    HallPost p;
    while (TakeHallPost(p)) posts.push_back(p);
    return posts;
  }
};

TEST_F(CustomersTest, CapsOfEachLevel) {
  const int arrival[] = {0, 8, 12, 12, 12};
  const int stay[] = {0, 4, 8, 8, 8};
  for (int level = 0; level <= 4; ++level) {
    EXPECT_EQ(ArrivalCap(level), arrival[level]);
    EXPECT_EQ(StayCap(level), stay[level]);
  }
}

// A free machine whose bonus is still running draws a customer at the next beat, if the cap of
// the level allows: 8 occupied stop arrivals at level 1, not at level 2.
TEST_F(CustomersTest, FreeMachineWithRunningBonusDrawsACustomerAtTheBeat) {
  struct Case {
    int hour;
    int occupied;
    bool arrives;
  };
  const Case cases[] = {{14, 7, true}, {14, 8, false}, {10, 8, true}, {17, 11, true}, {17, 12, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":00 with " << c.occupied << " occupied");
    ResetTickCounters();
    SetClock(2026, 12, 7, c.hour, 0);
    for (int i = 0; i < 16; ++i) ResetMachine(ShopDay, i, ResetFull);
    // The bonus machine comes first in the floor order, so the count it sees is the crowd's.
    Crowd(ShopDay, 1, c.occupied);
    MachineRecord& m = PlaceOccupant(ShopDay, 0, OccupantFree, 0);
    m.bigGames = 17;  // left by a player in the middle of a big bonus
    for (int t = 1; t < 64; ++t) {
      Tick();
      ASSERT_NE(Phase1024, 0);
      ASSERT_EQ(m.occupant, OccupantFree);
    }
    Tick();
    ASSERT_EQ(Phase1024, 0);
    EXPECT_EQ(m.occupant == OccupantCustomer, c.arrives);
    if (c.arrives) {
      EXPECT_EQ(m.medals, 50);
      EXPECT_EQ(m.bigGames, 17);  // the customer continues the bonus
      EXPECT_GE(Shops[ShopDay].occupiedCount, c.occupied + 1);
      EXPECT_EQ(HallChanged, 1);
    }
  }
}

TEST_F(CustomersTest, SingleBonusCountsOnlyWhereItIsOne) {
  MachineRecord m{};
  m.singleBonus = kMarker;
  EXPECT_TRUE(CustomerSeesBonus(m));  // game No.1
  for (int game : {2, 5, 7}) {
    MachineModel other = ActiveMachine();
    other.number = game;  // the family keeps something else in that field
    SelectMachine(other);
    EXPECT_FALSE(CustomerSeesBonus(m)) << game;
    m.jacWins = -1;
    EXPECT_TRUE(CustomerSeesBonus(m)) << game;
    m.jacWins = 0;
    SelectMachine(kMachineNo1);
  }
}

TEST_F(CustomersTest, ClosedShopDrawsNoCustomer) {
  SetClock(2026, 12, 7, 23, 0);
  MachineRecord& m = PlaceOccupant(ShopDay, 3, OccupantFree, 0);
  m.jacWins = 4;
  for (int beat = 0; beat < 50; ++beat) TickToCustomerBeat();
  EXPECT_EQ(m.occupant, OccupantFree);
}

// Out of medals: in a crowded shop (more occupied than the stay cap) about every second
// customer goes home; in a quiet one every customer buys 50 more.
TEST_F(CustomersTest, OutOfMedalsInCrowdedAndQuietShops) {
  SetClock(2026, 12, 7, 14, 0);  // level 1: stay cap 4
  for (int occupiedOthers : {9, 3}) {
    int left = 0;
    const int trials = 400;
    for (int t = 0; t < trials; ++t) {
      for (int i = 0; i < 16; ++i) ResetMachine(ShopDay, i, ResetFull);
      Crowd(ShopDay, 1, occupiedOthers);
      MachineRecord& m = EndingGame(ShopDay, 0, OccupantCustomer, 0);
      HallChanged = 0;
      Tick();
      if (m.occupant == OccupantFree) {
        ++left;
        EXPECT_EQ(Shops[ShopDay].occupiedCount, occupiedOthers);
        EXPECT_EQ(HallChanged, 1);
      } else {
        EXPECT_EQ(m.medals, 50);
      }
    }
    if (occupiedOthers + 1 > StayCap(1)) {
      EXPECT_GT(left, trials * 4 / 10);
      EXPECT_LT(left, trials * 6 / 10);
    } else {
      EXPECT_EQ(left, 0);
    }
  }
}

TEST_F(CustomersTest, PlayerOutOfMedalsWaitsForTheNoticeUnlessCurrent) {
  SetClock(2026, 12, 7, 14, 0);
  MachineRecord& other = SeatPlayer(1, 4, 0);
  MachineRecord& mine = SeatPlayer(0, 5, 0);
  other.state = mine.state = StatePayingOut;
  other.payoutPending = mine.payoutPending = 0;
  Tick();
  EXPECT_EQ(mine.pendingNotice, NoticeOutOfMedals);
  EXPECT_EQ(other.pendingNotice, NoticeOutOfMedals);
  std::vector<HallPost> posts = Drain();
  ASSERT_EQ(posts.size(), 1u);  // only the current player is told at once
  EXPECT_EQ(posts[0].command, CmdNotice);
  EXPECT_EQ(posts[0].lParam, MakeLParam(TextOutOfMedals, 5));
  EXPECT_EQ(mine.occupant, OccupantFirstPlayer + 0);
}

TEST_F(CustomersTest, BigBonusNoticeForEveryMachineOfEitherShop) {
  SetClock(2026, 12, 7, 14, 0);
  MachineRecord& day = EndingGame(ShopDay, 3, OccupantCustomer, 200);
  day.bigGames = kMarker;  // lined up in this game
  MachineRecord& night = EndingGame(ShopNight, 15, OccupantCustomer, 200);
  night.bigGames = kMarker;
  Tick();
  std::vector<HallPost> posts = Drain();
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[0].command, CmdNotice);
  EXPECT_EQ(LowWord(posts[0].lParam), TextBigBonusStart);
  EXPECT_EQ(HighWord(posts[0].lParam), 3);
  EXPECT_EQ(HighWord(posts[1].lParam), 15);
  EXPECT_EQ(day.bigGames, 30);
  EXPECT_EQ(day.bigCountDay[2], 1);
}

// At closing time nobody leaves during a big bonus or a JAC stage; the first game end after it
// sends the customer home and the player (told at once when current) to the cash-out.
TEST_F(CustomersTest, ClosingTimeWaitsForRunningBonus) {
  SetClock(2026, 12, 7, 14, 0);
  MachineRecord& other = SeatPlayer(1, 8, 100);
  MachineRecord& mine = SeatPlayer(0, 7, 100);
  SetClock(2026, 12, 7, 22, 0);  // the day shop closes
  ASSERT_EQ(Shops[ShopDay].level, 0);
  MachineRecord& customer = EndingGame(ShopDay, 2, OccupantCustomer, 100);
  customer.bigGames = 5;
  for (MachineRecord* m : {&mine, &other}) {
    m->state = StatePayingOut;
    m->payoutPending = 0;
    m->jacWins = 3;
    m->jacGames = 8;
  }
  Tick();
  EXPECT_EQ(customer.occupant, OccupantCustomer);
  EXPECT_EQ(mine.pendingNotice, NoticeNone);
  EXPECT_EQ(Drain().size(), 0u);

  for (MachineRecord* m : {&customer, &mine, &other}) {
    m->state = StatePayingOut;
    m->payoutPending = 0;
    m->bigGames = 0;
    m->jacWins = 0;
  }
  HallChanged = 0;
  Tick();
  EXPECT_EQ(customer.occupant, OccupantFree);
  EXPECT_EQ(HallChanged, 1);
  EXPECT_EQ(mine.pendingNotice, NoticeClosingTime);
  EXPECT_EQ(other.pendingNotice, NoticeClosingTime);
  EXPECT_EQ(mine.occupant, OccupantFirstPlayer);  // the shell takes the player out
  std::vector<HallPost> posts = Drain();
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].command, CmdForcedLeave);
  EXPECT_EQ(posts[0].lParam, kLeaveReasonClosing);
}

TEST_F(CustomersTest, MedalBoxesThatChangeRedrawTheHall) {
  MachineRecord& m = PlaceOccupant(ShopDay, 3, OccupantCustomer, 399);
  m.state = StatePayingOut;
  m.payoutPending = 0;
  HallChanged = 0;
  Tick();  // the pay-out ends with 399 medals: still no box
  EXPECT_EQ(HallChanged, 0) << "no change, no redraw";
  m.medals = 1601;
  m.state = StatePayingOut;
  Tick();
  EXPECT_EQ(m.boxStacks, 1);
  EXPECT_EQ(HallChanged, 1);
}

TEST_F(CustomersTest, OnlyTheOpenShopRecordsItsTime) {
  SetClock(2026, 12, 7, 14, 25, 10);
  Shops[ShopNight].lastOpenTime = CalendarTime{};
  Tick();
  EXPECT_EQ(Shops[ShopDay].lastOpenTime.minute, 25);
  EXPECT_EQ(Shops[ShopDay].lastOpenTime.second, 10);
  EXPECT_EQ(Shops[ShopNight].lastOpenTime.minute, 0);
}

TEST_F(CustomersTest, OutboxKeepsOrderAndDropsWhatDoesNotFit) {
  for (int i = 0; i < kHallOutboxCapacity + 6; ++i) PostNotice(TextBigBonusStart, i % 16);
  EXPECT_EQ(HallPostsWaiting(), kHallOutboxCapacity);
  EXPECT_EQ(HallPostsDropped, 6);
  HallPost p;
  ASSERT_TRUE(TakeHallPost(p));
  EXPECT_EQ(HighWord(p.lParam), 0);
  ASSERT_TRUE(TakeHallPost(p));
  EXPECT_EQ(HighWord(p.lParam), 1);
  PostForcedLeave(kLeaveReasonClosing);  // wraps around the ring
  int n = 0;
  while (TakeHallPost(p)) ++n;
  EXPECT_EQ(n, kHallOutboxCapacity - 1);
  EXPECT_EQ(p.command, CmdForcedLeave);
}

}  // namespace
