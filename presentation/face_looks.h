// Which look each changing part of the Orlido 2's face shows (games No.1 and No.6): reel
// windows, bet-line, STOP, MEDALS, BONUS, BIG CHANCE and WAIT lamps, and the two displays.
#pragma once

#include "machine/machine_record.h"

// Where the parts sit on the 480 x 432 face, and the size of each look.
namespace face {
constexpr int kSymbolHeight = 36;
constexpr int kReelX = 103, kReelStep = 96, kReelY = 141;
constexpr int kReelW = 60, kReelH = 128;
constexpr int kRowsAboveTop = 10;  // of the symbol above the top row, shown in the window
constexpr int kShadeRows = 8;
constexpr int kTurn = 21 * kSymbolHeight;  // 756: one turn of the strip
constexpr int kStripRows = 26;             // rows 21..25 repeat 0..4, so no copy wraps
constexpr int kReelsLeft = 103, kReelsWidth = 252;

constexpr int kLineLampX = 19, kLineLampY = 124, kLineLampStep = 33, kLineLampW = 64, kLineLampH = 30;
constexpr int kStopLampX = 102, kStopLampY = 277, kStopLampW = 62, kStopLampH = 50;
constexpr int kMedalLampX = 379, kMedalLampY = 289, kMedalLampW = 40, kMedalLampH = 18;
constexpr int kBonusLampX = 379, kBonusLampY = 185, kBonusLampStep = 34, kBonusLampW = 86,
              kBonusLampH = 32;
constexpr int kBigLampX = 395, kBigLampY = 127, kBigLampSize = 54;
constexpr int kPayDigitsX = 19, kCreditDigitsX = 429, kDigitsY = 294, kDigitW = 16, kDigitH = 24;
constexpr int kWaitX = 59, kWaitOnY = 302, kWaitOffY = 313, kWaitW = 30, kWaitH = 11;

constexpr int kBlankGlyph = 10;
constexpr int kPointGlyph = 11;
}  // namespace face

// Top edge, in the strip picture, of what a reel window shows for a reel position: the
// window starts 10 pixels above the top row. Positions of one symbol or less (a reset may
// leave 0 to 720) show the same symbols one turn further on.
int ReelSourceY(int reelPos);

// Bet-line lamp i (0..4, top to bottom: diagonal down, top, middle, bottom, diagonal up):
// the winning lines flash together; otherwise the lamps show the bet.
bool LineLampLit(const MachineRecord& m, int lamp);
// STOP lamp of reel r: lit while that reel may still be stopped.
bool StopLampLit(const MachineRecord& m, int reel);
// MEDALS lamp: blinks while the machine waits for medals.
bool MedalLampLit(const MachineRecord& m);
// BONUS lamp k (0..2 top to bottom, numbered 3, 2, 1): the stages passed stay lit, the
// current one blinks while it still has wins to give.
bool BonusLampLit(const MachineRecord& m, int lamp);
// BIG CHANCE lamp: lit while a big bonus is lined up or running.
bool BigChanceLampLit(const MachineRecord& m);
// WAIT lamp: lit while the lever waits for the reels' minimum interval.
bool WaitLampOn(const MachineRecord& m);

// The glyphs of the two displays: medals paid for the last game (with the decimal point while
// the machine stands between games) and the credit. Always two digits.
struct FaceDigits {
  int payTens, payUnits;
  bool payPoint;
  int creditTens, creditUnits;
};
FaceDigits FaceDigitsOf(const MachineRecord& m);

// The parts the play screen redraws of its own accord on this tick, besides those the machine
// asked for: the blinking BONUS lamp, the MEDALS lamp while waiting and the winning lines.
int BlinkRedrawBits(const MachineRecord& m);

