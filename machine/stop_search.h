// The searches stop control is built from: how far a stopping reel may slide on to bring a
// symbol to a row, and how the last reel avoids completing a line the lottery did not grant.
#pragma once

#include "machine/machine_model.h"
#include "machine/machine_record.h"

// A family's rule about cherries on reel 1, and where a failed search falls back to.
struct StopRules {
  int cherrySymbol;        // the cherry code kept off reel 1; -1 for no cherry rule
  int cherryFreeTargets;   // bit t set: target t may show a cherry on reel 1
  bool fallbackSmallest;   // a failed search takes the smallest allowed slide (else the largest)
  // Symbols (bit mask) that complete a paying line of mixed symbols on the last reel, given
  // the two stopped reels' symbols a and b on that line; null when no mixed line pays.
  int (*mixedLine)(int a, int b);
};

// Everything a search looks at: the machine, its model and the family's rules.
struct StopView {
  const MachineModel& model;
  const MachineRecord& m;
  const StopRules& rules;
};

constexpr int kMaxSlide = 6;  // searches look at slides 0..6; 7 is a last resort

// A line the last reel would complete: the row on that reel, the symbol both other reels show
// there (-1 when they differ), and every symbol (bit mask) that would complete a paying line.
struct ReachEntry {
  int row;
  int symbol;
  int completing;
};
struct ReachList {
  int count;
  ReachEntry entry[5];
};

// Translated symbol at a row of a reel after sliding n, with JAC play in force when the target
// is the JAC symbol or a JAC stage runs.
int SearchSymbol(const StopView& v, int reel, int row, int n, int target);

// Reel 1 never shows a cherry unless the game's target is one of the cherry-free targets.
bool CherryForbidden(const StopView& v, int target, int reel, int n);

// Slide that brings the target (noRoleSymbol: any symbol) to the row, or the fallback.
int FindSlide(const StopView& v, int row, int reel, int target);

// The lines the two other reels have prepared for this reel.
ReachList BuildReachList(const StopView& v, int reel);
bool CompletesReach(const StopView& v, const ReachList& list, int reel, int n);

// Slide of the last reel stopped: the target only on a prepared line, and nothing else.
int LastReelSlide(const StopView& v, int reel, int target);

// How many reels are at rest, sliding or requested (this reel included): 1, 2 or 3.
int StopsInGame(const MachineRecord& m);

// Lines chosen at the first stop. A bonus line: the middle line for one medal, the top or
// bottom for two, any line but the middle for three. A spread line: any open line. Any other
// bet keeps the line chosen before.
int BonusLine(const MachineRecord& m);
int SpreadLine(const MachineRecord& m);

// The first slide of 0..6 that completes no prepared line; 7 when every one does.
int FirstSlideCompletingNothing(const StopView& v, int reel);
