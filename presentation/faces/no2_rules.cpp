// Look rules of the Vexamira and Brakolo faces: which picture, glyph, gauge height and hall
// band each part shows for a machine record and the tick's blink flags.
#include "presentation/faces/no2_rules.h"

#include "presentation/hall_looks.h"
#include "base/tick_counters.h"

namespace {

// Two digits are all a display has; a value out of their range shows its nearest end.
int TwoDigits(int value) { return value < 0 ? 0 : value > 99 ? 99 : value; }

int TensGlyph(int value) {
  int tens = TwoDigits(value) / 10;
  return tens == 0 ? no2_face::kBlankGlyph : tens;
}

int UnitsGlyph(int value) { return TwoDigits(value) % 10; }

}  // namespace

bool No2BonusRunning(const MachineRecord& m) { return m.jacWins > 0 || m.bigGames > 0; }

int No2TopPictureLook(const MachineRecord& m, int) {
  return Blink128 != 0 && No2BonusRunning(m) ? 1 : 0;
}

int No2DisplayGlyph(const MachineRecord& m, int index) {
  using namespace no2_face;
  switch (index) {
    case BonusTens:
    case BonusUnits: {
      // The JAC wins of a stage come first, also inside a big bonus; the marker of a bonus
      // lined up and the -1 of a stage running out are not counts.
      int count = m.jacWins > 0 ? m.jacWins : m.bigGames > 0 ? m.bigGames : 0;
      if (count == 0) return kDashGlyph;
      return index == BonusTens ? TensGlyph(count) : UnitsGlyph(count);
    }
    case CreditTens:
      return TensGlyph(m.credit);
    case CreditUnits:
      return UnitsGlyph(m.credit);
    case PayoutTens:
      return TensGlyph(m.paidThisGame);
    case PayoutUnits:
      return UnitsGlyph(m.paidThisGame);
    default:
      return -1;
  }
}

int No2PayoutAnimationGlyph(const MachineRecord& m, int) {
  int frame = m.spinWait % no2_face::kAnimationFrames;
  if (frame < 0) frame += no2_face::kAnimationFrames;
  return no2_face::kFirstAnimationGlyph + frame;
}

int No2GaugeRows(const MachineRecord& m, int height) {
  if (m.state == StateLeverPulled && Blink64 == 0) return -1;
  if (height <= 0) return -1;
  if (m.spinWait >= no2_face::kGaugeSteps) return height;
  if (m.spinWait <= 0) return 0;
  // Each step is a whole number of rows; a gauge whose height is not a multiple of the steps
  // lights its remaining top rows only when it becomes whole.
  return m.spinWait * (height / no2_face::kGaugeSteps);
}

int No2GaugeLitRows(const MachineRecord& m, int) { return No2GaugeRows(m, no2_face::kGaugeHeight); }

int No2HallBandLook(const MachineRecord& m, int) {
  int look = HallStoolSeated(m) ? 2 : 0;
  if (Blink128 != 0 && (m.bigGames > 0 || m.jacWins != 0)) look += 1;
  return look;
}
