// Look rules of the Sulvano's face: which dot look, picture and glyph each part shows for a
// machine record and the tick's blink flags, and when the play screen redraws them itself.
#include "presentation/faces/no5_rules.h"

#include "presentation/hall_looks.h"
#include "base/tick_counters.h"

using namespace no5_face;

namespace {

int Lit(bool lit, DotLook colour) { return lit ? colour : DotUnlit; }

// Two figures are all a display has; a value out of their range shows its nearest end.
int TwoFigures(int value) { return value < 0 ? 0 : value > 99 ? 99 : value; }

// The row of the JAC sequence the machine plays: a number it would not play is played as
// sequence 0, and shown so.
const int8_t* PatternRow(const MachineRecord& m) {
  int row = m.jacSequence >= 0 && m.jacSequence < kJacSequenceRows ? m.jacSequence : 0;
  return kBonusGamePattern[row];
}

bool BonusInPlay(const MachineRecord& m) { return m.bigGames > 0 || m.jacWins > 0; }

}  // namespace

int No5StopDotLook(const MachineRecord& m, int reel) {
  if (reel < 0 || reel >= kReelCount) return -1;
  return Lit(m.state == StateReelsSpinning && m.reelState[reel] > 0, DotRed);
}

int No5LineDotLook(const MachineRecord& m, int line) {
  // The medals that open each line, top to bottom, and so its colour.
  static const int kOpenedAtBet[5] = {3, 2, 1, 2, 3};
  static const DotLook kColourOfBet[4] = {DotUnlit, DotRed, DotYellow, DotGreen};
  if (line < 0 || line >= 5) return -1;
  const DotLook colour = kColourOfBet[kOpenedAtBet[line]];
  if (m.litLines != 0) return Lit(Blink128 != 0 && (m.litLines & (1 << line)) != 0, colour);
  return Lit(m.bet >= kOpenedAtBet[line], colour);
}

int No5MedalInDotLook(const MachineRecord& m, int) {
  return Lit(m.state == StateIdle || m.state == StateBetting, DotGreen);
}

int No5StartDotLook(const MachineRecord& m, int) { return Lit(m.state == StateBetting, DotYellow); }

int No5StageDotLook(const MachineRecord& m, int dot) {
  if (dot < 0 || dot >= kStageDots) return -1;
  return Lit(m.bigGames > 0 && dot < m.jacStage, DotYellow);
}

int No5BonusGameDotLook(const MachineRecord& m, int dot) {
  if (dot < 0 || dot >= kBonusGameDots) return -1;
  if (m.jacWins <= 0) return Lit(m.bigGames > 0, DotRed);
  // jacGames counts down from 12: the dots from 12 - jacGames on are games still to play.
  if (m.jacGames + dot > kBonusGameDots - 1) return Lit(Blink256 != 0, DotRed);
  return Lit(PatternRow(m)[dot] != 0, DotRed);
}

int No5TopPictureLook(const MachineRecord& m, int) {
  return Blink256 != 0 && BonusInPlay(m) ? 1 : 0;
}

int No5DigitGlyph(const MachineRecord& m, int place) {
  switch (place) {
    case CreditTens:
      return TwoFigures(m.credit) / 10;
    case CreditUnits:
      return TwoFigures(m.credit) % 10;
    case PayoutTens:
      return m.paidThisGame == 0 ? kBlankGlyph : TwoFigures(m.paidThisGame) / 10;
    case PayoutUnits:
      return m.paidThisGame == 0 ? kBlankGlyph : TwoFigures(m.paidThisGame) % 10;
    default:
      return -1;
  }
}

int No5HallBandLook(const MachineRecord& m, int) {
  int look = HallStoolSeated(m) ? 2 : 0;
  if (Blink128 != 0 && (m.bigGames > 0 || m.jacWins != 0)) look += 1;
  return look;
}

bool No5BonusShowing(const MachineRecord& m) { return m.bigGames > 0 || m.jacWins != 0; }
