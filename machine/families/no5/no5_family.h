// The No.5 logic family (machine No.5 "Sulvano"): stop tables instead of searches, and JAC
// games without the lever whose wins the tables decide.
#pragma once

#include "machine/machine_model.h"

enum No5Role {
  No5RoleBig = 1,        // three sevens
  No5RoleRegular = 2,    // three BARs: a JAC stage
  No5RoleCherry = 4,     // a cherry on reel 1
  No5RoleFruit = 8,      // plum, bell or orange
  No5RoleMelon = 16,     // watermelon
  No5RoleJac = 32,       // JAC win, or the JAC-in of a big bonus general game
  No5RoleBonusGame = 64, // the win of a big bonus general game: plum, bell or orange
};

enum No5Symbol {
  No5SymbolSeven = 0,
  No5SymbolBar = 1,
  No5SymbolMelon = 2,
  No5SymbolPlum = 3,
  No5SymbolCherry = 4,
  No5SymbolBell = 5,
  No5SymbolOrange = 6,
  No5SymbolJac = 10,
  No5SymbolNone = 11,  // a target that asks for nothing
};

int No5ServedRole(const MachineRecord& m);
void No5LotteryDraw(const MachineModel& model, MachineRecord& m);
int No5StopControl(const MachineModel& model, MachineRecord& m, int reel);
int No5LineMask(const MachineModel& model, const MachineRecord& m);
int No5Payout(const MachineModel& model, MachineRecord& m);

// The slide that takes a reel from its current top row to the first allowed one.
int SlideToAllowed(uint32_t allowed, int top);
