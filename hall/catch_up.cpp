// The catch-up draws from the game's one random source in a fixed order (machine by machine,
// step by step), so a seed and a clock replay the same opening floor.
#include "hall/catch_up.h"

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "machine/game_random.h"
#include "machine/machine_reset.h"
#include "hall/shop_clock.h"

namespace {

constexpr int32_t kSecondsPerDay = 86400;
constexpr int32_t kHalfDay = 43200;
constexpr int32_t kStepSeconds = 1200;      // one catch-up step stands for twenty minutes
constexpr int32_t kStockSeconds = 2700;     // one big bonus joins the stock per 45 minutes
constexpr int kMaxCatchUpDays = 3;

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Seconds since the last 10:00 or 22:00, the opening of today's shop.
int32_t SecondsSinceOpening(const CalendarTime& now) {
  return now.second + 60 * (now.minute + 60 * ((now.hour + 14) % 12));
}

void ShiftDays(MachineRecord& m, int32_t today) {
  m.bigCountDay[0] = m.bigCountDay[1];
  m.bigCountDay[1] = m.bigCountDay[2];
  m.bigCountDay[2] = today;
}

// The days the program missed: each puts ten big bonuses into the stock and pays out up to 32.
void NewDays(int shop, int machine, int32_t elapsed) {
  ResetMachine(shop, machine, ResetNewDay);
  MachineRecord& m = Shops[shop].machines[machine];
  int days = elapsed / kSecondsPerDay;
  if (days > kMaxCatchUpDays) days = kMaxCatchUpDays;
  for (int day = 0; day < days; ++day) {
    m.bigStock += 10;
    int32_t d = GameRand() % m.bigStock;
    if (d >= 32) d = 32;
    m.bigStock -= d;
    ShiftDays(m, d);
  }
  m.bigCountDay[2] = 0;
}

void OccupiedStep(int shop, int machine) {
  MachineRecord& m = Shops[shop].machines[machine];
  if (OneIn(16)) {
    ResetMachine(shop, machine, ResetIdleDisplay);  // the customer went home
  } else if (m.bigStock > 0 && OneIn(3)) {
    m.bigCountDay[2] += 1;
    m.bigStock -= 1;
    int x = GameRand() % 60;
    m.medals += 360 - 2 * x;
    m.gamesSinceBig = x;
  } else {
    m.gamesSinceBig += 120;
    m.medals -= 120;
    // The credit is part of the medals: what was played went from it first, so it never
    // shows more than is left (a credit above the medals would spoil the next load).
    if (m.credit > m.medals) m.credit = m.medals > 0 ? m.medals : 0;
    if (m.medals <= 0) ResetMachine(shop, machine, ResetIdleDisplay);
  }
}

void FreeStep(int shop, int machine) {
  if (!OneIn(3)) return;
  ResetMachine(shop, machine, ResetIdleDisplay);
  MachineRecord& m = Shops[shop].machines[machine];
  m.occupant = OccupantCustomer;
  m.bet = 3;
  m.gamesSinceBig += GameRand() % 120;
  m.medals = GameRand() % 50 + 12;
}

// A customer caught in the middle of a big bonus: x general games of it already played.
void BigBonusUnderWay(MachineRecord& m) {
  m.bigCountDay[2] += 1;
  m.bigStock -= 1;
  int x = GameRand() % 21;
  int games = 0;
  int paid = 0;
  if (x < 2) {
    games = x + 1;
    paid = 5 * x;
  } else if (x < 8) {
    games = x + 7 + GameRand() % 6;
    paid = 5 * x + 84;
  } else {
    games = x + 13 + GameRand() % 12;
    paid = 5 * x + 198;
  }
  m.gamesSinceBig = games;
  m.medals += paid;
  m.bigGames = 30 - x;
  m.bigNet = paid;
}

// A floor machine that still shows a player's code has no player: nobody is seated at start.
void ReleaseOrphanSeats(int shop) {
  for (int i = 0; i < kFloorMachines; ++i) {
    if (Shops[shop].machines[i].occupant >= OccupantFirstPlayer) ResetMachine(shop, i, ResetVacate);
  }
}

}  // namespace

int32_t ElapsedSeconds(const CalendarTime& from, const CalendarTime& to) {
  int32_t years = to.years - from.years;
  if (years < 0) return -1;
  int32_t s = (((to.dayOfYear - from.dayOfYear) * 24 + to.hour - from.hour) * 60 + to.minute -
               from.minute) * 60 + to.second - from.second;
  // The days of the year that was left: the year of `from`. (Counting the days of the year of
  // `to` would make a short gap over New Year's Eve into a leap year a day too long.)
  if (years > 0) s += (LeapYear(from.years + 1900) ? 366 : 365) * kSecondsPerDay;
  return s;
}

void CatchUpMachine(int32_t elapsedSeconds, int shop, int machine) {
  int32_t n = elapsedSeconds;
  if (n > kHalfDay) {
    NewDays(shop, machine, n);
    n = SecondsSinceOpening(LocalTimeCopy);
  }
  MachineRecord& m = Shops[shop].machines[machine];
  m.bigStock += n / kStockSeconds;
  int32_t steps = n / kStepSeconds + 1;
  for (int32_t step = 0; step < steps; ++step) {
    if (m.occupant != OccupantFree) {
      OccupiedStep(shop, machine);
    } else {
      FreeStep(shop, machine);
    }
  }
  if (m.occupant != OccupantFree) {
    if (m.bigStock > 0 && OneIn(16)) BigBonusUnderWay(m);
  } else if (m.bet != 0) {
    ResetMachine(shop, machine, ResetIdleDisplay);
  }
}

void OpenShops() {
  for (int shop = 0; shop < kShopCount; ++shop) {
    ShopRecord& s = Shops[shop];
    s.occupiedCount = 0;
    ReleaseOrphanSeats(shop);
    if (s.level != 0) {
      int32_t n = ElapsedSeconds(s.lastOpenTime, LocalTimeCopy);
      if (n > 0) {
        for (int i = 0; i < kFloorMachines; ++i) CatchUpMachine(n, shop, i);
      }
    } else {
      // The closed shop stands empty, every seat with a random bet and a losing display.
      for (int i = 0; i < kFloorMachines; ++i) ResetMachine(shop, i, ResetIdleDisplay);
    }
    // Counted in every case: with no time passed the floor is still occupied as it was saved.
    RecountOccupied(shop);
  }
  for (int slot = 0; slot < kPlayerSlots; ++slot) ResetPlayerSlot(slot);
  MakeSlotCurrent(0);
}
