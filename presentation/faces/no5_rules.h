// Look rules of the No.5 face family (Sulvano): the lamp dots, the BONUS GAME dots that play
// back the JAC sequence of a stage, the top picture, the two displays and the hall band.
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

namespace no5_face {
// Looks of the dot strip: the printed dot, then the dot lit in each of its three colours.
enum DotLook { DotUnlit = 0, DotRed = 1, DotYellow = 2, DotGreen = 3 };

// Glyphs of the display digit strip: 0-9, then the blank.
constexpr int kBlankGlyph = 10;
// Places of No5DigitGlyph: the credit, then the medals paid for the last game.
enum DigitPlace { CreditTens = 0, CreditUnits = 1, PayoutTens = 2, PayoutUnits = 3 };

// The BONUS GAME dots: one per JAC game of a stage, in the order the games are played.
constexpr int kBonusGameDots = 12;
constexpr int kStageDots = 3;
// For each JAC sequence (record field 42), the games of a stage that win when the reels are
// stopped left to right: 1 lit, 0 dark. Each row holds the stage's six wins.
constexpr int kJacSequenceRows = 7;
constexpr int8_t kBonusGamePattern[kJacSequenceRows][kBonusGameDots] = {
    {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0},
    {0, 1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0}, {1, 0, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0},
    {1, 1, 0, 0, 1, 1, 1, 0, 1, 0, 0, 0}, {1, 0, 1, 1, 1, 0, 0, 1, 1, 0, 0, 0},
    {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1},
};
}  // namespace no5_face

// STOP dot of reel r (bit 4): red while that reel may still be stopped.
int No5StopDotLook(const MachineRecord& m, int reel);
// Bet-line dot i (bit 2; 0..4 top to bottom: diagonal down, top, middle, bottom, diagonal up):
// the winning lines flash together, otherwise the dots show the lines the bet opened. Each
// lights in the colour of the bet that opens it: one medal red, two yellow, three green.
int No5LineDotLook(const MachineRecord& m, int line);
// MEDAL IN dot (bit 8): green while the machine takes medals for a new game.
int No5MedalInDotLook(const MachineRecord& m, int index);
// START dot (bit 16): yellow while medals are bet and the lever may be pulled.
int No5StartDotLook(const MachineRecord& m, int index);
// The three stage dots (bit 32): dot i yellow during a big bonus once its JAC stage i + 1 has
// come.
int No5StageDotLook(const MachineRecord& m, int dot);
// The twelve BONUS GAME dots (bit 32), red when lit. Outside a JAC stage all are lit during a
// big bonus and dark otherwise; in a stage the games played show the stage's JAC sequence and
// the games still to play blink.
int No5BonusGameDotLook(const MachineRecord& m, int dot);
// The top picture (bit 64): look 1, lit, in the flashing half of a bonus; look 0 otherwise.
int No5TopPictureLook(const MachineRecord& m, int index);
// The two displays (bit 128), one glyph per DigitPlace: the credit always shows two figures;
// the payout shows two figures once a medal of the game has been paid, blanks before.
int No5DigitGlyph(const MachineRecord& m, int place);
// The hall machine's band of four looks: 2 while someone sits at the machine (a customer, or a
// player whose screen shows it), else 0; plus 1 in the flashing half of a bonus.
int No5HallBandLook(const MachineRecord& m, int index);

// A bonus is played or a JAC stage is running out: the bonus dots and the top picture are
// redrawn on every Phase256 wrap, so they blink, and go out once it is over.
bool No5BonusShowing(const MachineRecord& m);
