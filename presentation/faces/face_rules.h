// The look rules every face family shares, and those of the Orlido 2's face (games No.1 and
// No.6): which lamps are lit, which glyphs the displays show, and when parts blink. Each rule
// returns the row of its look strip; the descriptions name them.
#pragma once

#include "machine/machine_record.h"

// Bet-line lamp i (0..4, top to bottom: diagonal down, top, middle, bottom, diagonal up):
// the winning lines flash together; otherwise the lamps show the bet. Looks: five unlit, five lit.
bool LineLampLit(const MachineRecord& m, int lamp);
int LineLampLook(const MachineRecord& m, int lamp);
// STOP lamp of reel r: lit while that reel may still be stopped. Looks: three unlit, three lit.
bool StopLampLit(const MachineRecord& m, int reel);
int StopLampLook(const MachineRecord& m, int reel);
// MEDALS lamp: blinks while the machine waits for medals. Looks: unlit, lit.
bool MedalLampLit(const MachineRecord& m);
int MedalLampLook(const MachineRecord& m, int index);

// The Orlido 2's BONUS lamp k (0..2 top to bottom, numbered 3, 2, 1): the stages passed stay
// lit, the current one blinks while it still has wins to give. Looks: three unlit, three lit.
bool BonusLampLit(const MachineRecord& m, int lamp);
int BonusLampLook(const MachineRecord& m, int lamp);
// BIG CHANCE lamp: lit while a big bonus is lined up or running.
bool BigChanceLampLit(const MachineRecord& m);
int BigChanceLampLook(const MachineRecord& m, int index);
// WAIT lamp: lit while the lever waits for the reels' minimum interval.
bool WaitLampOn(const MachineRecord& m);
int WaitLampLook(const MachineRecord& m, int index);

// The Orlido 2's two displays: medals paid for the last game (with the decimal point while the
// machine stands between games) and the credit. Always two digits.
struct FaceDigits {
  int payTens, payUnits;
  bool payPoint;
  int creditTens, creditUnits;
};
FaceDigits FaceDigitsOf(const MachineRecord& m);
// Places 0, 1: paid tens and units; 2: the point (glyph 11, or nothing); 3, 4: credit.
int No1DigitGlyph(const MachineRecord& m, int place);

// Conditions of the tick marks.
bool JacStageNumbered(const MachineRecord& m);   // a JAC stage has a number: its lamp blinks
bool WaitingForMedals(const MachineRecord& m);   // state 0 or 1
bool LinesWon(const MachineRecord& m);           // winning lines flash
bool Always(const MachineRecord& m);
// The JAC tune of games No.1 and No.6: a JAC stage in play, not a single bonus's JAC game.
bool JacPlayWithoutSingle(const MachineRecord& m);
bool JacWinsLeft(const MachineRecord& m);        // jacWins > 0
