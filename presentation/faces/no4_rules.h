// Which look each part of the Pembrix 7's face shows (game No.4): the GAME OVER lamp, the lamp
// panel of small lamps, the two displays, the hall machine's band and the JAC tune's condition.
#pragma once

#include "machine/machine_record.h"

// The lamp panel's six looks, one strip for every small lamp: three kinds of lamp, each unlit
// and lit. Frame and bet lamps are of the first kind, JAC-game and wait lamps of the second.
enum No4PanelLook {
  No4PanelFrameUnlit = 0,
  No4PanelGameUnlit = 1,
  No4PanelStartUnlit = 2,
  No4PanelFrameLit = 3,
  No4PanelGameLit = 4,
  No4PanelStartLit = 5,
};

// The digit strip: payout colour 0-9, credit colour 10-19, then the blank glyph.
constexpr int kNo4CreditGlyphs = 10;
constexpr int kNo4BlankGlyph = 20;

// GAME OVER lamp: look 1 (lit) while the machine stands between games, else look 0.
int No4GameOverLampLook(const MachineRecord& m, int index);

// The lamp panel follows spinWait, the bet and the blink: the description redraws it on every
// Phase128 wrap.

// The two frame lamps around the JAC-game lamps flash together while a JAC stage has wins.
int No4FrameLampLook(const MachineRecord& m, int index);
// JAC-game lamp `index` 0..5 from the left (the lamps count j = 6 at the left down to 1): dark
// outside a JAC stage; in a stage the first six games light them from the left, the last six
// put them out from the left.
int No4JacGameLampLook(const MachineRecord& m, int index);
// Bet lamp `index` 0..2: lit for each medal bet.
int No4BetLampLook(const MachineRecord& m, int index);
// Wait lamp `index` 0..5 from the left: one more lights every four slow ticks after the reels
// started, so a full row tells that the lever will start the reels at once.
int No4WaitLampLook(const MachineRecord& m, int index);
// The start lamp: lit once the minimum interval is long past, flashing while a pulled lever
// waits for it.
int No4StartLampLook(const MachineRecord& m, int index);

// Credit display, index 0 tens and 1 units, in the credit colour; a zero tens shows blank.
int No4CreditGlyph(const MachineRecord& m, int index);
// Payout display, index 0 tens and 1 units, in the payout colour; nothing paid shows blank,
// and so does the tens of a payout below 10.
int No4PayoutGlyph(const MachineRecord& m, int index);

// The hall machine's band: look 2 while someone sits at the machine playing (else 0), plus 1
// while it flashes in a big bonus or a JAC stage.
int No4HallBandLook(const MachineRecord& m, int index);

// The JAC tune plays while a JAC stage has wins left, and already while one is lined up.
bool No4JacTuneWanted(const MachineRecord& m);
