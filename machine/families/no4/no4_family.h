// The No.4 logic family (machine No.4 "Pembrix 7"): grapes that start JAC stages in a big
// bonus, bells that also pay as lines of BARs and bells, and no single bonus.
#pragma once

#include "machine/machine_model.h"

enum No4Role {
  No4RoleBig = 1,       // three fever marks
  No4RoleRegular = 2,   // three BARs: a JAC stage
  No4RoleBell = 4,
  No4RoleApple = 8,
  No4RoleGrapes = 16,   // in a big bonus also the JAC-in
  No4RoleOrange = 32,   // three oranges, or a cherry on reel 1
  No4RoleJac = 64,      // a JAC game's win
};

enum No4Symbol {
  No4SymbolFever = 0,
  No4SymbolBar = 1,
  No4SymbolCherry = 2,
  No4SymbolBell = 3,
  No4SymbolOrange = 4,
  No4SymbolApple = 5,
  No4SymbolAppleJac = 6,
  No4SymbolGrapes = 7,
  No4SymbolJac = 9,
  No4SymbolAny = 10,
};

int No4ServedRole(const MachineRecord& m);
void No4LotteryDraw(const MachineModel& model, MachineRecord& m);
int No4StopControl(const MachineModel& model, MachineRecord& m, int reel);
int No4LineMask(const MachineModel& model, const MachineRecord& m);
int No4Payout(const MachineModel& model, MachineRecord& m);
// Bonus starts as on machine No.1, without touching the sound.
void No4StartBonus(MachineRecord& m);
