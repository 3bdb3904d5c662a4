// Automatic operation at one pass in eight ticks: a bet or the lever at most every 16 ticks
// and never before the reels may start again; a stop every 32 ticks in the chosen order.
#include "machine/auto_operate.h"

#include "base/tick_counters.h"
#include "machine/game_cycle.h"

namespace {

int BetMore(const MachineRecord& m) { return m.credit > 0 ? ControlBetButton : ControlMedalIn; }

int StopNext(const MachineRecord& m) {
  if (m.reelState[0] > 0) return ControlStop1;
  if (m.stopOrder == 0) return m.reelState[1] > 0 ? ControlStop2 : ControlStop3;
  if (m.stopOrder == 1) return m.reelState[2] > 0 ? ControlStop3 : ControlStop2;
  return ControlNone;
}

bool BetTimeReached(const MachineRecord& m) {
  return Phase256 == 0 && m.spinWait > 23 && m.stateTimer > 2;
}

}  // namespace

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

int AutoControlDue(const MachineRecord& m) {
  if (m.state == StateIdle || m.state == StateBetting) {
    return BetTimeReached(m) ? ChooseNextControl(m) : ControlNone;
  }
  if (m.state == StateReelsSpinning && Phase512 == 0) return ChooseNextControl(m);
  return ControlNone;
}

void OperateControl(MachineRecord& m, int control) {
  switch (control) {
    case ControlMedalIn: MedalIn(m); break;
    case ControlBetButton: BetFromCredit(m); break;
    case ControlStartLever: StartLever(m); break;
    case ControlStop1:
    case ControlStop2:
    case ControlStop3: StopReel(m, control - ControlStop1); break;
    default: break;
  }
}

void AutoOperate(MachineRecord& m) {
  if (Phase128 != 0) return;
  OperateControl(m, AutoControlDue(m));
}
