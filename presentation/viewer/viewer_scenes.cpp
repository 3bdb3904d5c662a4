// The viewer's scenes: a hall on a fixed Wednesday evening with customers, boxes and bonuses,
// players in their slots, and the player's machine brought into the state each scene shows.
#include "presentation/viewer/viewer_scenes.h"

#include <cstring>
#include <string_view>

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "machine/auto_operate.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "presentation/presentation.h"
#include "presentation/viewer/viewer_windows.h"
#include "base/game_clock.h"
#include "base/screen_id.h"
#include "base/options.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"

namespace {

int clockHour = 19, clockMinute = 42;

void FixedClock(CalendarTime& out) {
  out = CalendarTime{};
  out.second = 0;
  out.minute = clockMinute;
  out.hour = clockHour;
  out.dayOfMonth = 18;
  out.month = 2;
  out.years = 126;
  out.weekday = 3;  // a Wednesday
  out.dayOfYear = 76;
}

void SetMedals(MachineRecord& m, int medals) {
  m.medals = medals;
  m.boxes = (medals / 400) % 4;
  m.boxStacks = medals / 1600;
}

// Someone at machine i of the day shop.
MachineRecord& Customer(int i, int medals) {
  MachineRecord& m = Shops[ShopDay].machines[i];
  m.occupant = OccupantCustomer;
  SetMedals(m, medals);
  m.credit = medals > 50 ? 50 : medals;
  return m;
}

void Seat(int slot, const char* name, int machine, int screen) {
  PlayerSlot& s = PlayerSlots[slot];
  std::strncpy(s.name, name, sizeof s.name - 1);
  s.shop = ShopDay;
  s.shopRecord = &Shops[ShopDay];
  s.screen = screen;
  if (machine >= 0) {
    s.seatedMachine = machine;
    s.machine = &Shops[ShopDay].machines[machine];
    s.machine->occupant = OccupantFirstPlayer + slot;
    s.hallCursor = screen == ScreenHallAway ? machine : kNoMachine;
  }
}

void BuildHall() {
  SelectMachine(kMachineNo1);
  ResetTickCounters();
  SeedGameRandom(20260318);
  SetClockSource(FixedClock);
  ResetShopClock();
  ShopClockCheck();
  for (int shop = 0; shop < kShopCount; ++shop) {
    for (int i = 0; i < kMachinesPerShop; ++i) ResetMachine(shop, i, ResetFull);
  }
  static const int kCounts[16][4] = {
      {0, 1, 2, 120}, {1, 0, 0, 45},  {2, 3, 1, 812}, {0, 0, 1, 233}, {1, 1, 0, 97},
      {0, 2, 3, 1502}, {3, 1, 0, 12}, {0, 0, 0, 388}, {2, 2, 1, 64},  {1, 0, 2, 150},
      {0, 1, 1, 276}, {0, 0, 0, 5},   {1, 3, 0, 641}, {0, 0, 2, 19},  {2, 1, 1, 330},
      {0, 0, 0, 1234},
  };
  for (int i = 0; i < kFloorMachines; ++i) {
    MachineRecord& m = Shops[ShopDay].machines[i];
    for (int d = 0; d < 3; ++d) m.bigCountDay[d] = kCounts[i][d];
    m.gamesSinceBig = kCounts[i][3];
  }
  Customer(1, 2870);                  // a pile of boxes on the floor and the shelf
  Customer(3, 640).bigGames = 18;     // in its big bonus
  Customer(6, 12345);
  Customer(9, 150).jacWins = 5;       // in a JAC stage
  Customer(10, 0);
  Customer(13, 410);
  Customer(14, 1700).bigGames = 9;
  RecountOccupied(ShopDay);

  for (int k = 0; k < kPlayerSlots; ++k) ResetPlayerSlot(k);
  // P2 plays machine 12 and has run out of medals there; P4 waits outside.
  Seat(1, "Ren", 12, ScreenPlay);
  Shops[ShopDay].machines[12].pendingNotice = NoticeOutOfMedals;
  Seat(3, "Mio", -1, ScreenTitle);
  Seat(0, "Aki", -1, ScreenTitle);
  MakeSlotCurrent(0);
  HallScroll = 0;
  HallChanged = 0;
  SoundOn = SoundAvailable;
}

// P1 at machine 5 with medals in the tray and in the credit, between games.
MachineRecord& SeatPlayer(int screen) {
  Seat(0, "Aki", 5, screen);
  MachineRecord& m = *PlayerSlots[0].machine;
  SetMedals(m, 240);
  m.credit = 12;
  m.paidThisGame = 8;
  m.state = StateGameOver;
  m.redrawFlags = 0;
  RecountOccupied(ShopDay);
  return m;
}

// Ticks the game as it runs, handling the presses automatic play posts, until the condition
// holds; false when it did not within the limit.
template <typename Condition>
bool RunUntil(Condition done, int limit) {
  for (int i = 0; i < limit; ++i) {
    if (done()) return true;
    ViewerTick();
    PumpMessages();
  }
  return done();
}

void RunTicks(int n) {
  RunUntil([] { return false; }, n);
}

// Up to the next tick on which the blink flag given has just turned on.
void RunToBlink(const int& flag, const int& phase) {
  RunUntil([&] { return flag != 0 && phase == 0; }, 200);
}

void Press(int control) {
  SendMessageW(PlayControlWindow(control), WM_LBUTTONDOWN, 0, 0);
  SendMessageW(PlayControlWindow(control), WM_LBUTTONUP, 0, 0);
  PumpMessages();
}

}  // namespace

const char* const kSceneNames[] = {
    "title",     "hall",      "hall-left",    "hall-right", "hall-slide", "hall-away",
    "play-idle", "play-spin", "play-win",     "play-bonus", "play-options",
};
const int kSceneCount = sizeof kSceneNames / sizeof kSceneNames[0];

bool SetUpScene(const char* name) {
  BuildHall();
  std::string_view scene = name;
  PlayerSlot& p1 = PlayerSlots[0];
  if (scene == "title") {
    ShowCurrentScreen();
    RunTicks(20);
  } else if (scene == "hall" || scene == "hall-left" || scene == "hall-right") {
    p1.screen = ScreenHall;
    p1.hallCursor = scene == "hall" ? 2 : scene == "hall-left" ? 0 : 7;
    ShowCurrentScreen();
    // Both lamps of a machine in its big bonus lit at once.
    RunUntil([] { return Blink256 != 0 && Blink128 != 0 && Phase128 == 0; }, 200);
  } else if (scene == "hall-slide") {
    p1.screen = ScreenHall;
    p1.hallCursor = 3;
    ShowCurrentScreen();
    RunTicks(3);
    // NEXT pressed: the cursor moves on, the panel shows the new machine, the view slides.
    p1.hallCursor = 4;
    HallScroll = -192;
    RedrawWindow(ViewerInfo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RunTicks(6);
  } else if (scene == "hall-away") {
    SeatPlayer(ScreenHallAway);
    ShowCurrentScreen();
    RunToBlink(Blink128, Phase128);
  } else if (scene == "play-idle") {
    SeatPlayer(ScreenPlay);
    ShowCurrentScreen();
    RunToBlink(Blink128, Phase128);
  } else if (scene == "play-spin") {
    MachineRecord& m = SeatPlayer(ScreenPlay);
    ShowCurrentScreen();
    RunTicks(40);
    for (int i = 0; i < 3; ++i) Press(ControlBetButton);
    Press(ControlStartLever);
    RunUntil([&] { return m.state == StateReelsSpinning; }, 400);
    Press(ControlStop1);
    RunTicks(7);
  } else if (scene == "play-win") {
    MachineRecord& m = SeatPlayer(ScreenPlay);
    m.autoPlay = 1;
    ShowCurrentScreen();
    // A win paying out, its line lit, a few medals counted.
    RunUntil([&] {
      return m.litLines != 0 && m.state == StatePayingOut && m.paidThisGame >= 2 && Blink128 != 0;
    }, 40000);
  } else if (scene == "play-bonus") {
    MachineRecord& m = SeatPlayer(ScreenPlay);
    m.autoPlay = 1;
    // The lottery has granted a big bonus: automatic play lines it up and plays into it.
    m.roleFlags |= RoleBig;
    ShowCurrentScreen();
    RunUntil([&] { return m.bigGames > 0 && m.jacStage >= 2 && m.jacWins > 0; }, 200000);
    RunToBlink(Blink256, Phase256);
  } else if (scene == "play-options") {
    SeatPlayer(ScreenPlay).autoPlay = 1;
    p1.PanelPage = 1;
    ShowCurrentScreen();
    RunTicks(16);
  } else {
    return false;
  }
  return true;
}
