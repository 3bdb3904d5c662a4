// The per-machine model: everything that makes one game's machine differ from another's,
// gathered in one constant record (strips, geometry, tables, sounds and the family's routines).
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

// How a machine's game cycle differs: the sound ids it requests (0 for none), the pace of
// its pay-out, its bonus lamps' bookkeeping and how JAC games are played.
struct CycleRules {
  int soundSingleLinedUp;  // a single bonus was lined up
  int soundMedalBet;       // a medal was bet
  int soundBetToCredit;    // a medal into a full bet went to the credit
  int soundLateLever;      // lever pulled before the minimum interval
  int soundReelStart;      // the reels start
  int soundReelRest;       // a reel comes to rest
  int soundMedalPaid;      // a medal was paid and more follow
  int soundLastMedal;      // the last medal of a pay-out
  int soundCreditFull;     // the credit became full during a pay-out
  bool pauseOnCreditFull;     // three slow ticks before the rest goes to the tray
  bool pauseAfterLastMedal;   // the next game waits three slow ticks more
  int newGameRedraw;          // lamps redrawn at the first medal or bet of a game
  bool newGameClearsJacStage; // outside a bonus the first bet clears the stage number
  bool leverNumbersJacStage;  // the lever sets the stage number: 1 in JAC play, else 0
  bool slowIntervalInStages;  // while a stage is numbered the minimum interval doubles
  bool digitsRedrawWhileWaiting;  // digits redrawn every 4 ticks while spinWait < 30
  // The face part that shows the credit and the medals paid, asked to redraw whenever either
  // changes: the digits (128) on the No.1 face, the three displays (32) on the No.2 face,
  // whose 128 is the spin gauge.
  int creditRedraw;
  // JAC games without the lever: the reels keep turning between JAC games and each stop of
  // a turning reel is one JAC game, whose win stop control decides.
  bool jacPlayWithoutLever;
  bool payoutEndClearsStage;  // a pay-out ending outside any bonus clears the stage lamps
  // Starts the bonus lined up in the game whose pay-out just ended, at most one.
  void (*startBonus)(MachineRecord& m);
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
