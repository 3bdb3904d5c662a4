// The per-machine model: everything that makes one game's machine differ from another's,
// gathered in one constant record (strips, geometry, tables, sounds and the family's routines).
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

// Sound ids (WAVE resources) the game cycle requests, and how the pay-out paces itself.
struct CycleRules {
  int soundSingleLinedUp;  // a single bonus was lined up
  int soundMedalBet;       // a medal was bet
  int soundLateLever;      // lever pulled before the minimum interval
  int soundReelStart;      // the reels start
  int soundReelRest;       // a reel comes to rest
  int soundMedalPaid;      // a medal was paid and more follow
  int soundLastMedal;      // the last medal, or the credit just became full
  // Machine No.1 pauses 3 slow ticks (and plays soundLastMedal) when the credit fills up
  // and after the last medal; machine No.6 pays straight through.
  bool pausesPayout;
};

struct MachineModel {
  int number;              // game number 1..7: MERIDOLA No.N
  const char* modelName;   // the machine's model name, e.g. "Orlido 2"
  int symbolHeight;        // pixels per symbol on the reel strip: 32, 34 or 36
  uint8_t strips[kReelCount][kStripLength];  // reel 1 is the left reel

  // Strip codes translated before any comparison: dual symbols count as an ordinary symbol
  // in ordinary play and as the JAC symbol in JAC play.
  uint8_t ordinaryCode[16];
  uint8_t jacPlayCode[16];
  int jacSymbol;           // the code dual symbols count as in JAC play
  int noRoleSymbol;        // targetSymbol of a game without role: every win is avoided

  // Lottery denominators (one chance in n) for settings 1..6; unused tables are zero.
  int bigTable[6];
  int regularTable[6];
  int highEntryTable[6];
  int highEndTable[6];

  CycleRules cycle;

  // The family's routines.
  // at the lever, once state is 2
  void (*lotteryDraw)(const MachineModel& model, MachineRecord& m);
  // slide -1..7 for a reel whose stop was requested, at a symbol boundary
  int (*stopControl)(const MachineModel& model, MachineRecord& m, int reel);
  // lines that won or carry a cherry
  int (*lineMask)(const MachineModel& model, const MachineRecord& m);
  // medals won (at most 15); clears the roles paid and marks the bonuses lined up
  int (*payout)(const MachineModel& model, MachineRecord& m);
};

// The machine this program plays. Each game selects its own model once at start-up;
// tools and tests may switch between models.
const MachineModel& ActiveMachine();
void SelectMachine(const MachineModel& model);

// The machine of game No.N, or null when that machine is not part of this build.
const MachineModel* MachineModelOfGame(int gameNumber);
