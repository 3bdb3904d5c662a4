// Automatic operation at one pass in eight ticks: a bet or the lever at most every 16 ticks
// and never before the reels may start again; a stop every 32 ticks in the chosen order.
#include "machine/auto_operate.h"

#include "hall/player_slot.h"
#include "machine/game_cycle.h"
#include "shell/open_menu.h"
#include "shell/screen_id.h"
#include "shell/tick_counters.h"

void* AutoPressedWindow = nullptr;

namespace {

const ControlPressPort* pressPort = nullptr;

int BetMore(const MachineRecord& m) { return m.credit > 0 ? ControlBetButton : ControlMedalIn; }

int StopNext(const MachineRecord& m) {
  if (m.reelState[0] > 0) return ControlStop1;
  if (m.stopOrder == 0) return m.reelState[1] > 0 ? ControlStop2 : ControlStop3;
  if (m.stopOrder == 1) return m.reelState[2] > 0 ? ControlStop3 : ControlStop2;
  return ControlNone;
}

// A player's machine plays itself only while its player watches it, on automatic play, with
// no notice pending, and with a game running or medals to start one.
bool PlayerMachineMayPlay(const MachineRecord& m, const PlayerSlot& slot) {
  return slot.screen == ScreenPlay && m.autoPlay != 0 && m.pendingNotice == 0 &&
         (m.state != StateIdle || m.medals > 0);
}

bool BetTimeReached(const MachineRecord& m) {
  return Phase256 == 0 && m.spinWait > 23 && m.stateTimer > 2;
}

void PressOnScreen(int control) {
  if (pressPort == nullptr) return;
  void* window = pressPort->windowOf(control);
  if (window == nullptr) return;
  pressPort->postButtonDown(window);
  AutoPressedWindow = window;
}

void OperateCurrentPlayersMachine(MachineRecord& m) {
  if (OpenMenu != nullptr) return;
  if (AutoPressedWindow != nullptr) {
    if (pressPort != nullptr) pressPort->postButtonUp(AutoPressedWindow);
    AutoPressedWindow = nullptr;  // a press lasts one pass: 8 ticks
  }
  if (!PlayerMachineMayPlay(m, *CurrentSlot.slot)) return;
  int control = ChooseNextControl(m);
  if (m.state == StateIdle || m.state == StateBetting) {
    if (BetTimeReached(m)) PressOnScreen(control);
  } else if (m.state == StateReelsSpinning) {
    if (Phase512 == 0) PressOnScreen(control);
  }
}

void OperateDirectly(MachineRecord& m) {
  if (m.occupant >= OccupantFirstPlayer && m.occupant < OccupantFirstPlayer + kPlayerSlots) {
    if (!PlayerMachineMayPlay(m, PlayerSlots[m.occupant - OccupantFirstPlayer])) return;
  }
  int control = ChooseNextControl(m);
  if (m.state == StateIdle || m.state == StateBetting) {
    if (!BetTimeReached(m)) return;
    if (control == ControlMedalIn) MedalIn(m);
    else if (control == ControlBetButton) BetFromCredit(m);
    else if (control == ControlStartLever) StartLever(m);
  } else if (m.state == StateReelsSpinning) {
    if (Phase512 == 0) StopReel(m, control - ControlStop1);
  }
}

}  // namespace

void SetControlPressPort(const ControlPressPort* port) { pressPort = port; }

int ChooseNextControl(const MachineRecord& m) {
  switch (m.state) {
    case StateBetting:
      return m.medals > 0 && m.bet < MaxBet(m) ? BetMore(m) : ControlStartLever;
    case StateLeverPulled:
    case StateReelsStarting:
    case StateReelsSpinning:
      if (m.reelState[0] > 0 || m.reelState[1] > 0 || m.reelState[2] > 0) return StopNext(m);
      return BetMore(m);
    default:
      return BetMore(m);
  }
}

void AutoOperate(MachineRecord& m) {
  if (Phase128 != 0 || m.occupant == OccupantFree) return;
  if (IsCurrentPlayersMachine(m)) {
    OperateCurrentPlayersMachine(m);
  } else {
    OperateDirectly(m);
  }
}
