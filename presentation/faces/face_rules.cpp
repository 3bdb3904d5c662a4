// The look rules shared by the faces and those of the Orlido 2's face.
#include "presentation/faces/face_rules.h"

#include "base/tick_counters.h"

namespace {
// A lamp of a row of n: its unlit look is row i, its lit look row i + n.
int LampRow(bool lit, int lamp, int lamps) { return lit ? lamp + lamps : lamp; }
}  // namespace

bool LineLampLit(const MachineRecord& m, int lamp) {
  if (lamp < 0 || lamp > 4) return false;
  if (m.litLines != 0) return Blink128 != 0 && (m.litLines & (1 << lamp)) != 0;
  // The printed numbers 3, 2, 1, 2, 3: the bet that opens each line.
  static const int kOpeningBet[5] = {3, 2, 1, 2, 3};
  return m.bet >= kOpeningBet[lamp];
}
int LineLampLook(const MachineRecord& m, int lamp) { return LampRow(LineLampLit(m, lamp), lamp, 5); }

bool StopLampLit(const MachineRecord& m, int reel) {
  if (reel < 0 || reel >= kReelCount) return false;
  return m.state == StateReelsSpinning && m.reelState[reel] > 0;
}
int StopLampLook(const MachineRecord& m, int reel) { return LampRow(StopLampLit(m, reel), reel, 3); }

bool MedalLampLit(const MachineRecord& m) {
  return Blink128 != 0 && (m.state == StateIdle || m.state == StateBetting);
}
int MedalLampLook(const MachineRecord& m, int) { return MedalLampLit(m) ? 1 : 0; }

bool BonusLampLit(const MachineRecord& m, int lamp) {
  int n = 3 - lamp;
  if (m.jacStage > n) return true;
  if (m.jacStage < n) return false;
  if (m.jacWins <= 0) return true;
  return m.singleBonus != 0 ? Blink64 != 0 : Blink256 != 0;
}
int BonusLampLook(const MachineRecord& m, int lamp) { return LampRow(BonusLampLit(m, lamp), lamp, 3); }

bool BigChanceLampLit(const MachineRecord& m) { return m.bigGames != 0; }
int BigChanceLampLook(const MachineRecord& m, int) { return BigChanceLampLit(m) ? 1 : 0; }

bool WaitLampOn(const MachineRecord& m) { return m.state == StateLeverPulled; }
int WaitLampLook(const MachineRecord& m, int) { return WaitLampOn(m) ? 1 : 0; }

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

int No1DigitGlyph(const MachineRecord& m, int place) {
  constexpr int kPointGlyph = 11;
  FaceDigits d = FaceDigitsOf(m);
  switch (place) {
    case 0: return d.payTens;
    case 1: return d.payUnits;
    // The point glyph is dark everywhere but the point, and every digit is dark under it.
    case 2: return d.payPoint ? kPointGlyph : -1;
    case 3: return d.creditTens;
    case 4: return d.creditUnits;
    default: return -1;
  }
}

bool JacStageNumbered(const MachineRecord& m) { return m.jacStage != 0; }
bool WaitingForMedals(const MachineRecord& m) { return m.state < StateLeverPulled; }
bool LinesWon(const MachineRecord& m) { return m.litLines != 0; }
bool Always(const MachineRecord&) { return true; }
bool JacPlayWithoutSingle(const MachineRecord& m) { return m.jacWins > 0 && m.singleBonus == 0; }
bool JacWinsLeft(const MachineRecord& m) { return m.jacWins > 0; }
