// Scoring over the symbol window, shared by the machines that score lines: which open lines
// are lit, and the game's pay (at most 15). Each machine supplies how one line scores.
#pragma once

#include "machine/machine_model.h"
#include "machine/reel_geometry.h"
#include "machine/machine_record.h"

struct ScoringRules {
  int cherrySymbol;  // a reel-1 symbol that lights its line and scores on its own
  int cherryRole;    // role cleared when the cherry shows on reel 1 in a scored row
  // Pay of one line of symbols x, y, z (reels 1, 2, 3); may clear roles and mark bonuses.
  int (*scoreLine)(MachineRecord& m, int x, int y, int z);
  // A line of different symbols that pays as a full line (lit like one); null when none.
  bool (*mixedWin)(int x, int y, int z);
};

// The window as scoring sees it: JAC play in force when the target is the JAC symbol.
SymbolWindow ScoredWindow(const MachineModel& model, const MachineRecord& m);

// Open lines of the bet whose three symbols are equal, that pay as a mixed line, or whose
// reel-1 symbol is the cherry.
int ScoreLineMask(const MachineModel& model, const MachineRecord& m, const ScoringRules& rules);

// The rows (only the middle one for a bet of 1), then with a bet of 3 the two diagonals; the
// cherry role is cleared by the rows only. At most 15 medals.
int ScorePayout(const MachineModel& model, MachineRecord& m, const ScoringRules& rules);

// The JAC symbol's line in every family: 15 in JAC play; in a general game the JAC-in.
int PayJacLine(MachineRecord& m, int jacRole);
