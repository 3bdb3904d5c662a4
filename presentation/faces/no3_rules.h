// The look rules of the Tarnolet 3's face (the No.3 family): the darkened reel cells, the
// START lamp, the bonus-game digit and stage lamps, the meters and the blinking bet button.
#pragma once

#include "machine/machine_record.h"

// Reel cells shown from the darkened strip (bit 3 x reel + row, row 0 the top row), with
// kDarkWindows when the windows around the cells are dark too. In JAC play the reels are
// dark but for the middle row, the only line of a JAC game; while lines won, their cells go
// dark in the blink's lit half.
int No3DarkReelCells(const MachineRecord& m, int index);

// START lamp: 1 (lit) in the blink's lit half while the bet waits for the lever, else 0.
int No3StartLampLook(const MachineRecord& m, int index);

// Glyph of the bonus-game digit: JAC wins left 1 to 9, 0 once a stage is over (-1), blank
// (glyph 10) otherwise.
int No3BonusGameDigit(const MachineRecord& m, int index);
constexpr int kNo3BlankGlyph = 10;

// Stage lamp 0..2 (left to right): its look row among the three unlit looks then the three
// lit ones; the stages of the bonus reached blink.
int No3StageLampLook(const MachineRecord& m, int lamp);

// The meter glyphs: index 0, 1 the credit's tens and units, 2, 3 the payout's. Two digits
// always, a leading zero shown.
int No3MeterGlyph(const MachineRecord& m, int index);

// WIN METER label: 1 (lit) while the last game's lines won, else 0.
int No3WinMeterLook(const MachineRecord& m, int index);

// Bet button: 0 released, 1 pressed, 2 lit released, 3 lit pressed. It blinks while medals
// in the credit wait to be bet; held is 1 while the button holds the mouse.
int No3BetButtonLook(const MachineRecord& m, int held);

// The medals are bet and the lever is awaited (state 1): the START lamp blinks.
bool No3BetPlaced(const MachineRecord& m);
// The lever was pulled and the reels are not yet turning (states 2 and 3): the START lamp and
// the bet button, which stop blinking at the lever, are drawn once more in their unlit looks
// (the machine itself asks only for the MEDAL lamp then).
bool No3LeverJustPulled(const MachineRecord& m);
