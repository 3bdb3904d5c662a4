// The game cycle: idle -> betting -> lever -> reels starting -> spinning -> paying out -> over.
// Timings count slow ticks (one tick in eight); the reels move on every tick.
#include "machine/game_cycle.h"

#include "hall/shops.h"
#include "machine/machine_model.h"
#include "machine/reel_geometry.h"
#include "shell/tick_counters.h"

namespace {

// The first medal or bet of a game.
void BeginGame(MachineRecord& m) {
  if (m.bigGames == 0 && m.jacWins == 0 && m.singleBonus == 0) m.jacStage = 0;
  m.redrawFlags |= RedrawBonusLamps | RedrawBigChanceLamp;
  m.litLines = 0;
  m.bet = 0;
  m.paidThisGame = 0;
  m.state = StateBetting;
}

// Moves every reel that is not at rest; at a symbol boundary a requested stop is resolved
// by stop control, and a sliding reel counts down its last symbols.
void MoveReels(const MachineModel& model, MachineRecord& m) {
  const int u = model.symbolHeight;
  const int step = ReelStepPerTick(u, TickUnit);
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (m.reelState[reel] == 0) continue;
    m.reelPos[reel] -= step;
    if (m.reelPos[reel] <= u) m.reelPos[reel] = ReelWrapPosition(u);
    if (!AtSymbolBoundary(u, m.reelPos[reel])) continue;
    if (m.reelState[reel] == kMarker) {
      m.reelState[reel] = -model.stopControl(model, m, reel);
    } else if (m.reelState[reel] < 0) {
      m.reelState[reel] += 1;
    }
    if (m.reelState[reel] == 0) {
      m.reelRestMark = 1;
      RequestSound(m, model.cycle.soundReelRest);
    }
  }
  m.redrawFlags |= RedrawReels;
}

bool AnyStopPending(const MachineRecord& m) {
  return m.reelState[0] < 0 || m.reelState[1] < 0 || m.reelState[2] < 0;
}

bool AllReelsAtRest(const MachineRecord& m) {
  return m.reelState[0] == 0 && m.reelState[1] == 0 && m.reelState[2] == 0;
}

// All three reels rest: score the game and count it against the bonus in progress.
void EvaluateGame(const MachineModel& model, MachineRecord& m) {
  m.litLines = model.lineMask(model, m);
  int paid = model.payout(model, m);
  m.payoutPending = paid;
  if (m.singleBonus == kMarker) RequestSound(m, model.cycle.soundSingleLinedUp);
  if (m.bigGames > 0) m.bigNet += paid - m.bet;
  if (m.jacWins > 0) {
    m.jacGames -= 1;
    if (paid != 0) m.jacWins -= 1;
    if (m.jacWins == 0) {  // the JAC stage (or single bonus) is over
      m.singleBonus = 0;
      if (m.bigNet > kBigBonusNetLimit) {  // and with it the big bonus
        m.redrawFlags |= RedrawBigChanceLamp;
        m.gamesSinceBig = 0;
        m.bigGames = 0;
        m.bigNet = 0;
      }
      RequestSoundStop(m);
    }
  } else if (m.bigGames > 0) {
    m.bigGames -= 1;  // one general game of the big bonus used
  }
  m.stateTimer = 0;
  m.state = StatePayingOut;
}

void SpinningTick(const MachineModel& model, MachineRecord& m) {
  if (m.stateTimer > kAutomaticStopDelay && !AnyStopPending(m)) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      if (m.reelState[reel] > 0) {
        m.reelState[reel] = kMarker;
        m.redrawFlags |= RedrawStopLamps;
        break;
      }
    }
  }
  MoveReels(model, m);
  if (AllReelsAtRest(m)) EvaluateGame(model, m);
}

// One medal into the credit and the tray; a full credit pauses the pay-out.
void PayOneMedal(const MachineModel& model, MachineRecord& m) {
  const CycleRules& rules = model.cycle;
  m.paidThisGame += 1;
  m.medals += 1;
  m.payoutPending -= 1;
  if (m.payoutPending > 0) {
    RequestSound(m, rules.soundMedalPaid);
  } else {
    RequestSound(m, rules.soundLastMedal);
    if (rules.pausesPayout) m.stateTimer = -3;
  }
  if (m.credit < kMaxCredit) {
    m.credit += 1;
    if (m.credit == kMaxCredit && rules.pausesPayout) {
      RequestSound(m, rules.soundLastMedal);
      m.stateTimer = -3;  // three slow ticks, then the rest goes to the tray
    }
  }
  m.redrawFlags |= RedrawDigits;
}

// Starts the bonus lined up in this game, at most one.
void StartLinedUpBonus(MachineRecord& m) {
  if (m.singleBonus == kMarker) {
    m.jacWins = 1;  // a single bonus: one JAC game
    m.jacGames = 1;
    m.jacStage = 1;
  } else if (m.jacWins == kMarker) {
    m.jacStage += 1;
    m.jacWins = 6;
    m.jacGames = 12;
    RequestSoundStop(m);
  } else if (m.bigGames == kMarker) {
    m.bigCountDay[2] += 1;
    m.redrawFlags |= RedrawBigChanceLamp;
    m.bigGames = 30;
    m.bigNet = 0;
    RequestSoundStop(m);
  }
}

void UpdateMedalBoxes(MachineRecord& m) {
  int boxes = m.medals / 400;
  if (boxes == 4 * m.boxStacks + m.boxes) return;
  m.boxes = boxes % 4;
  m.boxStacks = boxes / 4;
  HallChanged = 1;
}

void PayingOutTick(const MachineModel& model, MachineRecord& m) {
  if (m.payoutPending > 0) {
    if (Phase64 == 0 && m.stateTimer >= 0) PayOneMedal(model, m);
    return;
  }
  StartLinedUpBonus(m);
  if (m.bigGames == 0 && m.jacWins == 0) m.gamesSinceBig += 1;
  UpdateMedalBoxes(m);
  m.state = StateGameOver;
  m.redrawFlags |= RedrawDigits;
}

}  // namespace

void MedalIn(MachineRecord& m) {
  if (m.medals - m.credit <= 0) return;
  if (m.state == StateIdle) BeginGame(m);
  if (m.state != StateBetting) return;
  if (m.bet < MaxBet(m)) {
    m.medals -= 1;
    m.bet += 1;
    RequestSound(m, ActiveMachine().cycle.soundMedalBet);
  } else if (m.credit < kMaxCredit) {
    m.credit += 1;
  }
  m.redrawFlags |= RedrawLineLamps | RedrawDigits;
}

void BetFromCredit(MachineRecord& m) {
  if (m.credit <= 0) return;
  if (m.state == StateIdle) BeginGame(m);
  if (m.state != StateBetting) return;
  if (m.bet < MaxBet(m)) {
    m.medals -= 1;
    m.credit -= 1;
    m.bet += 1;
    RequestSound(m, ActiveMachine().cycle.soundMedalBet);
  }
  m.redrawFlags |= RedrawLineLamps | RedrawDigits;
}

void StartLever(MachineRecord& m) {
  if (m.state != StateBetting) return;
  const MachineModel& model = ActiveMachine();
  for (int reel = 0; reel < kReelCount; ++reel) m.reelState[reel] = 1;
  if (m.spinWait < kMinimumSpinInterval) RequestSound(m, model.cycle.soundLateLever);
  m.state = StateLeverPulled;
  model.lotteryDraw(model, m);
  m.redrawFlags |= RedrawMedalLamp;
}

void StopReel(MachineRecord& m, int reel) {
  if (m.state != StateReelsSpinning || reel < 0 || reel >= kReelCount) return;
  if (AnyStopPending(m)) return;  // one stop at a time
  if (m.reelState[reel] > 0) {
    m.reelState[reel] = kMarker;
    m.redrawFlags |= RedrawStopLamps;
  }
}

void MachineTick(MachineRecord& m) {
  const MachineModel& model = ActiveMachine();
  if (Phase128 == 0 && m.spinWait < 1024) {
    m.spinWait += 1;
    m.stateTimer += 1;
  }
  switch (m.state) {
    case StateLeverPulled:
      if (m.spinWait > kMinimumSpinInterval) {
        m.spinWait = 0;
        m.stateTimer = 0;
        RequestSound(m, model.cycle.soundReelStart);
        m.state = StateReelsStarting;
      }
      m.redrawFlags |= RedrawWaitLamp;
      break;
    case StateReelsStarting:
      MoveReels(model, m);
      if (m.stateTimer > 3) {
        m.redrawFlags |= RedrawStopLamps;
        m.state = StateReelsSpinning;
        m.stateTimer = 0;
      }
      m.redrawFlags |= RedrawWaitLamp;
      break;
    case StateReelsSpinning:
      SpinningTick(model, m);
      break;
    case StatePayingOut:
      PayingOutTick(model, m);
      break;
    case StateGameOver:
      m.state = StateIdle;
      break;
    default:
      break;
  }
}
