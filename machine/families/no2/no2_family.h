// The No.2 logic family (machines No.2 "Vexamira" and No.7 "Brakolo"): JAC games without the
// lever, a near miss in games without role, and small roles served before the bonuses.
#pragma once

#include "machine/machine_model.h"
#include "machine/stop_search.h"

// Roles of the family (roleFlags).
enum No2Role {
  No2RoleBig = 1,        // the first logo mark (No.7: the red seven), symbol 0
  No2RoleRegular = 2,    // the second logo mark, symbol 2: a JAC stage
  No2RoleBellGrape = 4,  // bell or grapes
  No2RoleFruit = 8,      // orange or apple
  No2RoleCherry = 16,    // cherry, symbol 1, pays from reel 1
  No2RoleJac = 32,       // the JAC-in of a big bonus general game
  No2RoleBellGrapeHigh = 64,  // bell or grapes of the high mode and the big bonus
};

enum No2Symbol {
  No2SymbolBig = 0,
  No2SymbolCherry = 1,
  No2SymbolRegular = 2,
  No2SymbolBell = 3,
  No2SymbolGrapes = 4,
  No2SymbolOrange = 5,
  No2SymbolApple = 6,
  No2SymbolJac = 9,
  No2SymbolAny = 10,
};

// The role stop control serves on machine No.2 and on machine No.7.
int No2ServedRole(const MachineRecord& m);
int No7ServedRole(const MachineRecord& m);

void No2LotteryDraw(const MachineModel& model, MachineRecord& m);
void No7LotteryDraw(const MachineModel& model, MachineRecord& m);

int No2StopControl(const MachineModel& model, MachineRecord& m, int reel);
int No7StopControl(const MachineModel& model, MachineRecord& m, int reel);

int No2LineMask(const MachineModel& model, const MachineRecord& m);
int No2Payout(const MachineModel& model, MachineRecord& m);
int No7Payout(const MachineModel& model, MachineRecord& m);

// The cherry rule of the family: symbol 1 on reel 1, lifted while role 64 is held.
StopRules No2StopRules(const MachineRecord& m);
