// The look rules of the Orlido 2's face: which lamps are lit, which digits show, and which
// parts blink on their own.
#include "presentation/face_looks.h"

#include "base/tick_counters.h"

int ReelSourceY(int reelPos) {
  int pos = reelPos;
  if (pos < face::kSymbolHeight) pos += face::kTurn;
  // Any other position outside one turn would reach past the strip's rows; the same symbols
  // show within the turn.
  if (pos < face::kSymbolHeight || pos > face::kTurn + face::kSymbolHeight) {
    int within = (pos - face::kSymbolHeight) % face::kTurn;
    if (within < 0) within += face::kTurn;
    pos = face::kSymbolHeight + within;
  }
  return pos - face::kRowsAboveTop;
}

bool LineLampLit(const MachineRecord& m, int lamp) {
  if (lamp < 0 || lamp > 4) return false;
  if (m.litLines != 0) return Blink128 != 0 && (m.litLines & (1 << lamp)) != 0;
  // The printed numbers 3, 2, 1, 2, 3: the bet that opens each line.
  static const int kOpeningBet[5] = {3, 2, 1, 2, 3};
  return m.bet >= kOpeningBet[lamp];
}

bool StopLampLit(const MachineRecord& m, int reel) {
  if (reel < 0 || reel >= kReelCount) return false;
  return m.state == StateReelsSpinning && m.reelState[reel] > 0;
}

bool MedalLampLit(const MachineRecord& m) {
  return Blink128 != 0 && (m.state == StateIdle || m.state == StateBetting);
}

bool BonusLampLit(const MachineRecord& m, int lamp) {
  int n = 3 - lamp;
  if (m.jacStage > n) return true;
  if (m.jacStage < n) return false;
  if (m.jacWins <= 0) return true;
  return m.singleBonus != 0 ? Blink64 != 0 : Blink256 != 0;
}

bool BigChanceLampLit(const MachineRecord& m) { return m.bigGames != 0; }

bool WaitLampOn(const MachineRecord& m) { return m.state == StateLeverPulled; }

FaceDigits FaceDigitsOf(const MachineRecord& m) {
  // Two digits are all the displays have; a value out of their range shows its nearest end.
  auto clamp = [](int v) { return v < 0 ? 0 : v > 99 ? 99 : v; };
  int paid = clamp(m.paidThisGame);
  int credit = clamp(m.credit);
  FaceDigits d;
  d.payTens = paid / 10;
  d.payUnits = paid % 10;
  d.payPoint = m.state == StateIdle || m.state == StateGameOver;
  d.creditTens = credit / 10;
  d.creditUnits = credit % 10;
  return d;
}

int BlinkRedrawBits(const MachineRecord& m) {
  int bits = 0;
  if (Phase64 == 0 && m.jacStage != 0) bits |= RedrawBonusLamps;
  if (Phase128 == 0) {
    if (m.state < StateLeverPulled) bits |= RedrawMedalLamp;
    if (m.litLines != 0) bits |= RedrawLineLamps;
  }
  return bits;
}
