// The No.3 logic family (machine No.3 "Tarnolet 3"): two kinds of seven, peaches instead of
// cherries, mixed lines that pay as full ones, and a high mode that shows sevens failing.
#pragma once

#include "machine/machine_model.h"

enum No3Role {
  No3RoleBig = 1,        // three red sevens
  No3RoleRegular = 2,    // three BARs: a JAC stage
  No3RoleSingle = 4,     // three sevens on a bar (or red seven, bar seven, bar seven)
  No3RolePeachPair = 8,  // three peach pairs (or peach, pair, pair)
  No3RolePlum = 16,      // three plums; in a big bonus the JAC-in
  No3RoleOrange = 32,    // three oranges
  No3RolePeach = 64,     // a peach on reel 1
  No3RoleJac = 128,      // a JAC game's win
  No3RoleHighMode = 256, // the high mode's sevens that do not line up
};

enum No3Symbol {
  No3SymbolRedSeven = 0,
  No3SymbolBarSeven = 1,
  No3SymbolBar = 2,
  No3SymbolPeach = 3,
  No3SymbolPeachPair = 4,
  No3SymbolOrange = 5,
  No3SymbolOrangeJac = 6,
  No3SymbolPlum = 7,
  No3SymbolJac = 8,
  No3SymbolAny = 9,      // a target any symbol meets
  No3SymbolSevens = 10,  // the high mode's target: sevens shown, never lined up
};

void No3LotteryDraw(const MachineModel& model, MachineRecord& m);
int No3StopControl(const MachineModel& model, MachineRecord& m, int reel);
int No3LineMask(const MachineModel& model, const MachineRecord& m);
int No3Payout(const MachineModel& model, MachineRecord& m);
void No3StartBonus(MachineRecord& m);

// The role served at a stop; stop is 1, 2 or 3 for the first, second and last stop of a game.
int No3ServedRole(const MachineRecord& m, int stop);

// The searches of this machine (they replace the shared ones).
struct No3Reach {
  int count;
  int row[10];
  int symbol[10];  // No3SymbolSevens: completed by either seven
};
int No3FindSlide(const MachineModel& model, const MachineRecord& m, int row, int reel, int target);
No3Reach No3ReachList(const MachineModel& model, const MachineRecord& m, int reel);
bool No3Completes(const MachineModel& model, const MachineRecord& m, const No3Reach& reach,
                  int reel, int n);
int No3LastReelSlide(const MachineModel& model, const MachineRecord& m, int reel, int target);
int No3Symbol(const MachineModel& model, const MachineRecord& m, int reel, int row, int n,
              int target);
