// Automatic operation: the control chosen next, the cadence of bets, lever and stops, the
// stop orders, and the current player's machine pressing its on-screen controls.
#include <vector>

#include "base/screen_id.h"
#include "hall/auto_play.h"
#include "tests/unit/machine_test_support.h"

namespace {

// Records the presses and releases automatic play posts to control windows.
struct PressLog {
  struct Event {
    bool down;
    int control;
    long tick;
  };
  std::vector<Event> events;
  long tick = 0;
};
PressLog* pressLog = nullptr;

int controlWindows[26];  // the fake windows are the addresses of these
void* WindowOf(int control) {
  return control >= 20 && control <= 25 ? &controlWindows[control] : nullptr;
}
int ControlOf(void* window) { return static_cast<int>(static_cast<int*>(window) - controlWindows); }
void Down(void* w) { pressLog->events.push_back({true, ControlOf(w), pressLog->tick}); }
void Up(void* w) { pressLog->events.push_back({false, ControlOf(w), pressLog->tick}); }
const ControlPressPort kFakePort = {WindowOf, Down, Up};

class AutoOperateTest : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    pressLog = &log;
  }
  void TearDown() override { pressLog = nullptr; }

  // Seats player P1 (the current slot) at this machine.
  void SeatCurrentPlayer() {
    PlayerSlot& slot = PlayerSlots[0];
    slot.slotNumber = 0;
    slot.screen = ScreenPlay;
    slot.seatedMachine = 5;
    slot.machine = &m;
    CurrentSlot = {0, &slot};
    m.occupant = OccupantFirstPlayer;
    m.autoPlay = 1;
    SetControlPressPort(&kFakePort);
  }

  void TickLogged() {
    ++log.tick;
    Tick();
  }

  PressLog log;
};

}  // namespace

TEST_F(AutoOperateTest, ChoosesTheNextControl) {
  m.medals = 10;
  EXPECT_EQ(ChooseNextControl(m), ControlMedalIn);
  m.credit = 3;
  EXPECT_EQ(ChooseNextControl(m), ControlBetButton);
  m.state = StateBetting;
  m.bet = 3;
  EXPECT_EQ(ChooseNextControl(m), ControlStartLever);
  m.bet = 1;
  m.jacWins = 6;  // JAC play: one medal is the whole bet
  EXPECT_EQ(ChooseNextControl(m), ControlStartLever);
  m.jacWins = 0;
  m.medals = 0;
  EXPECT_EQ(ChooseNextControl(m), ControlStartLever);

  m.state = StateReelsSpinning;
  m.reelState[0] = m.reelState[1] = m.reelState[2] = 1;
  EXPECT_EQ(ChooseNextControl(m), ControlStop1);
  m.reelState[0] = 0;
  m.stopOrder = 0;
  EXPECT_EQ(ChooseNextControl(m), ControlStop2);
  m.stopOrder = 1;
  EXPECT_EQ(ChooseNextControl(m), ControlStop3);
  m.reelState[2] = 0;  // reel 3 stopped by hand: reel 2 is next
  EXPECT_EQ(ChooseNextControl(m), ControlStop2);
  m.stopOrder = 7;
  m.reelState[2] = 1;
  EXPECT_EQ(ChooseNextControl(m), ControlNone);
  m.reelState[1] = m.reelState[2] = kMarker;  // nothing left to stop
  m.credit = 0;
  EXPECT_EQ(ChooseNextControl(m), ControlMedalIn);
}

TEST_F(AutoOperateTest, CustomerBetsPullsAndStopsAtTheCadence) {
  for (int order = 0; order < 2; ++order) {
    SetUp();
    m.occupant = OccupantCustomer;
    m.medals = 100;
    m.stopOrder = order;
    std::vector<long> bets, stops;
    std::vector<int> stopReels;
    long leverAt = -1;
    for (long t = 1; t < 20000 && stops.size() < 3; ++t) {
      MachineRecord before = m;
      Tick();
      if (m.bet > before.bet && before.state <= StateBetting) bets.push_back(t);
      if (m.state >= StateLeverPulled && before.state == StateBetting) leverAt = t;
      for (int r = 0; r < 3; ++r) {
        if (before.reelState[r] == 1 && m.reelState[r] != 1 && before.state == StateReelsSpinning) {
          stops.push_back(t);
          stopReels.push_back(r);
        }
      }
    }
    ASSERT_EQ(bets.size(), 3u);
    EXPECT_EQ(bets[1] - bets[0], 16);
    EXPECT_EQ(bets[2] - bets[1], 16);
    EXPECT_EQ(leverAt - bets[2], 16);
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_EQ(stops[1] - stops[0], 32);
    EXPECT_EQ(stops[2] - stops[1], 32);
    EXPECT_EQ(stopReels[0], 0);
    EXPECT_EQ(stopReels[1], order == 0 ? 1 : 2);
    EXPECT_EQ(stopReels[2], order == 0 ? 2 : 1);
  }
}

TEST_F(AutoOperateTest, CustomerWithoutMedalsWaits) {
  m.occupant = OccupantCustomer;
  MachineRecord before = m;
  for (int i = 0; i < 2000; ++i) Tick();
  EXPECT_EQ(m.state, StateIdle);
  EXPECT_EQ(m.medals, before.medals);
  EXPECT_EQ(m.bet, before.bet);
}

TEST_F(AutoOperateTest, CreditIsUsedBeforeTheTray) {
  m.occupant = OccupantCustomer;
  m.medals = 20;
  m.credit = 2;
  ASSERT_TRUE(TickUntil([&] { return m.state > StateBetting; }));
  EXPECT_EQ(m.credit, 0);
  EXPECT_EQ(m.bet, 3);
  EXPECT_EQ(m.medals, 17);
}

TEST_F(AutoOperateTest, JacStageBetsOneMedalAndPulls) {
  m.occupant = OccupantCustomer;
  m.medals = 50;
  m.jacWins = 6;
  m.jacGames = 12;
  ASSERT_TRUE(TickUntil([&] { return m.state > StateBetting; }));
  EXPECT_EQ(m.bet, 1);
}

TEST_F(AutoOperateTest, PlayerMachinesPlayOnlyOnTheirPlayScreen) {
  // P2 is not the current player: its machine is operated directly.
  PlayerSlot& p2 = PlayerSlots[1];
  p2.slotNumber = 1;
  p2.screen = ScreenHallAway;
  m.occupant = OccupantFirstPlayer + 1;
  m.autoPlay = 1;
  m.medals = 30;
  for (int i = 0; i < 1000; ++i) Tick();
  EXPECT_EQ(m.state, StateIdle) << "the player looks at the hall";
  p2.screen = ScreenPlay;
  m.pendingNotice = NoticeOutOfMedals;
  for (int i = 0; i < 1000; ++i) Tick();
  EXPECT_EQ(m.state, StateIdle) << "a notice is pending";
  m.pendingNotice = 0;
  m.autoPlay = 0;
  for (int i = 0; i < 1000; ++i) Tick();
  EXPECT_EQ(m.state, StateIdle) << "manual play";
  m.autoPlay = 1;
  ASSERT_TRUE(TickUntil([&] { return m.state > StateBetting; }, 1000));
}

TEST_F(AutoOperateTest, CurrentPlayersMachinePressesItsControls) {
  SeatCurrentPlayer();
  m.medals = 30;
  for (int i = 0; i < 60; ++i) TickLogged();
  ASSERT_EQ(log.events.size(), 6u);  // three presses, each released a pass later
  // The machine itself is not operated directly: the window layer's controls do that.
  EXPECT_EQ(m.state, StateIdle);
  EXPECT_TRUE(log.events[0].down);
  EXPECT_EQ(log.events[0].control, ControlMedalIn);
  EXPECT_FALSE(log.events[1].down);
  EXPECT_EQ(log.events[1].control, ControlMedalIn);
  EXPECT_EQ(log.events[1].tick - log.events[0].tick, 8);  // a press lasts one pass
  EXPECT_EQ(AutoPressedWindow, nullptr);
}

TEST_F(AutoOperateTest, OpenMenuHoldsPressAndRelease) {
  SeatCurrentPlayer();
  m.medals = 30;
  ASSERT_TRUE([&] {
    for (int i = 0; i < 64; ++i) {
      TickLogged();
      if (!log.events.empty()) return true;
    }
    return false;
  }());
  int menu;
  OpenMenu = &menu;
  size_t seen = log.events.size();
  for (int i = 0; i < 200; ++i) TickLogged();
  EXPECT_EQ(log.events.size(), seen) << "no release and no press while a menu is open";
  EXPECT_NE(AutoPressedWindow, nullptr);
  OpenMenu = nullptr;
  for (int i = 0; i < 8; ++i) TickLogged();
  ASSERT_GT(log.events.size(), seen);
  EXPECT_FALSE(log.events[seen].down);
}

TEST_F(AutoOperateTest, NoStopOrderMatchPressesNothing) {
  SeatCurrentPlayer();
  m.state = StateReelsSpinning;
  m.stopOrder = 3;
  m.reelState[0] = 0;
  m.reelState[1] = m.reelState[2] = 1;
  m.stateTimer = 0;
  for (int i = 0; i < 64; ++i) TickLogged();
  for (const auto& e : log.events) EXPECT_NE(e.control, ControlNone);
  EXPECT_TRUE(log.events.empty());
}
