// The game cycle: idle -> betting -> lever -> reels starting -> spinning -> paying out -> over.
// Timings count slow ticks (one tick in eight); the reels move on every tick. Machines whose
// JAC games need no lever keep their reels turning between JAC games.
#include "machine/game_cycle.h"

#include "machine/machine_model.h"
#include "machine/reel_geometry.h"
#include "base/tick_counters.h"

namespace {

constexpr int kJacRunOut = -1;  // the stage is over; the reels still turning run out

bool AnyReelTurning(const MachineRecord& m) {
  return m.reelState[0] != 0 || m.reelState[1] != 0 || m.reelState[2] != 0;
}

bool AnyStopPending(const MachineRecord& m) {
  return m.reelState[0] < 0 || m.reelState[1] < 0 || m.reelState[2] < 0;
}

bool AllReelsAtRest(const MachineRecord& m) { return !AnyReelTurning(m); }

// The first medal or bet of a game.
void BeginGame(const CycleRules& rules, MachineRecord& m) {
  if (rules.newGameClearsJacStage && m.bigGames == 0 && m.jacWins == 0 && m.singleBonus == 0) {
    m.jacStage = 0;
  }
  m.redrawFlags |= rules.newGameRedraw;
  m.litLines = 0;
  m.bet = 0;
  m.paidThisGame = 0;
  m.state = StateBetting;
}

// A medal was bet. In a JAC stage played without the lever, a bet while a reel still turns
// is the whole game's start: the next stop decides it.
void MedalBet(const CycleRules& rules, MachineRecord& m) {
  m.bet += 1;
  RequestSound(m, rules.soundMedalBet);
  if (rules.jacPlayWithoutLever && m.jacWins > 0 && AnyReelTurning(m)) {
    m.state = StateReelsSpinning;
  }
}

// Moves every reel that is not at rest; at a symbol boundary a requested stop is resolved
// by stop control, and a sliding reel counts down its last symbols. Returns the reels (bits
// 1, 2, 4) that came to rest.
int MoveReels(const MachineModel& model, MachineRecord& m) {
  const int u = model.symbolHeight;
  const int step = ReelStepPerTick(u, TickUnit);
  int rested = 0;
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
      rested |= 1 << reel;
    }
  }
  m.redrawFlags |= RedrawReels;
  return rested;
}

// Between the JAC games of a stage the reels keep turning; once the stage is over and the
// last of them has run out, the machine is back in ordinary play.
void TurnBetweenJacGames(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins == 0 || !model.cycle.jacPlayWithoutLever) return;
  MoveReels(model, m);
  if (m.jacWins == kJacRunOut && AllReelsAtRest(m)) m.jacWins = 0;
}

// Counts a game against the big bonus and the JAC stage; true when the stage just ended.
bool CountJacGame(MachineRecord& m, bool won) {
  m.jacGames -= 1;
  if (won) m.jacWins -= 1;
  if (m.jacWins != 0) return false;
  if (m.bigNet > kBigBonusNetLimit) {  // the big bonus ends with its stage
    m.redrawFlags |= RedrawBigChanceLamp;
    m.gamesSinceBig = 0;
    m.bigGames = 0;
    m.bigNet = 0;
  }
  return true;
}

// All three reels rest: score the game and count it against the bonus in progress.
void EvaluateGame(const MachineModel& model, MachineRecord& m) {
  m.litLines = model.lineMask(model, m);
  int paid = model.payout(model, m);
  m.payoutPending = paid;
  if (m.singleBonus == kMarker) RequestSound(m, model.cycle.soundSingleLinedUp);
  if (m.bigGames > 0) m.bigNet += paid - m.bet;
  if (m.jacWins > 0) {
    if (CountJacGame(m, paid != 0)) {  // the JAC stage (or single bonus) is over
      m.singleBonus = 0;
      RequestSoundStop(m);
    }
  } else if (m.bigGames > 0) {
    m.bigGames -= 1;  // one general game of the big bonus used
  }
  m.stateTimer = 0;
  m.state = StatePayingOut;
}

// A JAC game played without the lever ends when its reel rests; stop control has already
// decided the win (litLines and payoutPending).
void EvaluateJacStop(MachineRecord& m) {
  if (m.bigGames > 0) m.bigNet += m.payoutPending - m.bet;
  if (CountJacGame(m, m.payoutPending != 0)) {
    m.jacWins = kJacRunOut;
    RequestSoundStop(m);
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
  int rested = MoveReels(model, m);
  if (m.jacWins > 0 && model.cycle.jacPlayWithoutLever) {
    if (rested) EvaluateJacStop(m);
    return;
  }
  if (AllReelsAtRest(m)) EvaluateGame(model, m);
}

// One medal into the credit and the tray; a full credit may pause the pay-out.
void PayOneMedal(const CycleRules& rules, MachineRecord& m) {
  m.paidThisGame += 1;
  m.medals += 1;
  m.payoutPending -= 1;
  if (m.payoutPending > 0) {
    RequestSound(m, rules.soundMedalPaid);
  } else {
    RequestSound(m, rules.soundLastMedal);
    if (rules.pauseAfterLastMedal) m.stateTimer = -3;
  }
  if (m.credit < kMaxCredit) {
    m.credit += 1;
    if (m.credit == kMaxCredit && rules.pauseOnCreditFull) {
      RequestSound(m, rules.soundCreditFull);
      m.stateTimer = -3;  // three slow ticks, then the rest goes to the tray
    }
  }
  m.redrawFlags |= rules.creditRedraw;
}

void UpdateMedalBoxes(MachineRecord& m) {
  int boxes = m.medals / 400;
  if (boxes == 4 * m.boxStacks + m.boxes) return;
  m.boxes = boxes % 4;
  m.boxStacks = boxes / 4;  // the hall sees the change in these two fields and redraws
}

void FinishPayout(const CycleRules& rules, MachineRecord& m) {
  rules.startBonus(m);
  if (m.bigGames == 0 && m.jacWins == 0) m.gamesSinceBig += 1;
  UpdateMedalBoxes(m);
  if (m.jacWins == kJacRunOut && rules.jacPlayWithoutLever) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      if (m.reelState[reel] != 0) m.reelState[reel] = -1;  // rests at its next boundary
    }
    if (AllReelsAtRest(m)) m.jacWins = 0;
  }
  if (rules.payoutEndClearsStage && m.bigGames == 0 && m.jacWins == 0) {
    m.redrawFlags |= RedrawBigChanceLamp | RedrawWaitLamp;
    m.jacStage = 0;
  }
  m.state = StateGameOver;
  m.redrawFlags |= rules.creditRedraw;
}

void PayingOutTick(const MachineModel& model, MachineRecord& m) {
  if (m.payoutPending > 0) {
    if (Phase64 == 0 && m.stateTimer >= 0) PayOneMedal(model.cycle, m);
    return;
  }
  FinishPayout(model.cycle, m);
}

}  // namespace

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

void MedalIn(MachineRecord& m) {
  if (m.medals - m.credit <= 0) return;
  const CycleRules& rules = ActiveMachine().cycle;
  if (m.state == StateIdle) BeginGame(rules, m);
  if (m.state != StateBetting) return;
  if (m.bet < MaxBet(m)) {
    m.medals -= 1;
    MedalBet(rules, m);
  } else if (m.credit < kMaxCredit) {
    m.credit += 1;
    RequestSound(m, rules.soundBetToCredit);
  }
  m.redrawFlags |= RedrawLineLamps | rules.creditRedraw;
}

void BetFromCredit(MachineRecord& m) {
  if (m.credit <= 0) return;
  const CycleRules& rules = ActiveMachine().cycle;
  if (m.state == StateIdle) BeginGame(rules, m);
  if (m.state != StateBetting) return;
  if (m.bet < MaxBet(m)) {
    m.medals -= 1;
    m.credit -= 1;
    MedalBet(rules, m);
  }
  m.redrawFlags |= RedrawLineLamps | rules.creditRedraw;
}

void StartLever(MachineRecord& m) {
  if (m.state != StateBetting) return;
  const MachineModel& model = ActiveMachine();
  for (int reel = 0; reel < kReelCount; ++reel) m.reelState[reel] = 1;
  if (m.spinWait < kMinimumSpinInterval) RequestSound(m, model.cycle.soundLateLever);
  if (model.cycle.leverNumbersJacStage) m.jacStage = m.jacWins != 0 ? 1 : 0;
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
  const CycleRules& rules = model.cycle;
  if (Phase128 == 0 && m.spinWait < 1024) {
    // In a numbered stage the interval before a spin counts every other slow tick only.
    bool halfPace = Phase256 != 0 && m.jacStage != 0 && rules.slowIntervalInStages;
    if (!halfPace) m.spinWait += 1;
    m.stateTimer += 1;
  } else if (Phase128 == 0 && m.stateTimer < 1024) {
    // In play the state timer is long past every threshold by the time spinWait is held at
    // 1024; a record restored in any other combination must not wait for ever.
    m.stateTimer += 1;
  }
  if (Phase64 == 0 && rules.digitsRedrawWhileWaiting && m.spinWait < 30) {
    m.redrawFlags |= RedrawDigits;
  }
  switch (m.state) {
    case StateIdle:
      TurnBetweenJacGames(model, m);
      break;
    case StateLeverPulled:
      if (m.spinWait > kMinimumSpinInterval) {
        m.spinWait = 0;
        m.stateTimer = 0;
        RequestSound(m, rules.soundReelStart);
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
      TurnBetweenJacGames(model, m);
      PayingOutTick(model, m);
      break;
    case StateGameOver:
      m.state = StateIdle;
      break;
    default:
      break;
  }
}
