// Look rules of the No.2 face family (Vexamira and Brakolo): the top picture, the three
// two-digit displays with their waiting animation, the spin gauge and the hall machine's band.
#pragma once

#include "machine/machine_record.h"

namespace no2_face {
// Glyphs of the display digit strip: 0-9, then these.
constexpr int kBlankGlyph = 10;
constexpr int kDashGlyph = 11;
constexpr int kFirstAnimationGlyph = 12;  // eight frames of the waiting animation
constexpr int kAnimationFrames = 8;
// The gauge counts slow ticks since the reels last started; from this many on it is whole.
constexpr int kGaugeSteps = 29;
// Rows of the gauge of both faces (the height of a look of their GaugeLooks strip): four a step.
constexpr int kGaugeHeight = 116;
// Display places of No2DisplayGlyph: tens then units of each display, top to bottom.
enum DisplayPlace {
  BonusTens = 0,
  BonusUnits = 1,
  CreditTens = 2,
  CreditUnits = 3,
  PayoutTens = 4,
  PayoutUnits = 5,
};
}  // namespace no2_face

// The top picture (bit 16): look 1, lit, while Blink128 is set during a big bonus or a JAC
// stage; look 0, the face's own, otherwise.
int No2TopPictureLook(const MachineRecord& m, int index);

// The three displays (bit 32), one glyph per place (DisplayPlace): the bonus counter shows the
// JAC wins left, else the big bonus games left, else two dashes; then the credit and the medals
// paid for the last game. A tens digit of 0 is blank.
int No2DisplayGlyph(const MachineRecord& m, int index);

// The payout display while the lever waits and the reels start (bit 64): both digits show the
// same frame of the animation, one frame per slow tick.
int No2PayoutAnimationGlyph(const MachineRecord& m, int index);

// The spin gauge (bit 128), `height` pixels high: the rows lit at its bottom, filling one step
// per slow tick since the reels last started and whole from kGaugeSteps on; -1 (all unlit)
// during the off half of the blink while the lever waits for it.
int No2GaugeRows(const MachineRecord& m, int height);
// The same for the faces' own gauge of kGaugeHeight rows (the gauge part's rule).
int No2GaugeLitRows(const MachineRecord& m, int index);

// The hall machine's band of four looks: 2 while someone sits at the machine (a customer, or a
// player whose screen shows it), else 0; plus 1 in the flashing half of a bonus.
int No2HallBandLook(const MachineRecord& m, int index);

// A big bonus or a JAC stage is in play: the top picture flashes (tick mark at Phase128).
bool No2BonusRunning(const MachineRecord& m);
