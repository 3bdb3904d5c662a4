// The bonus checks of the machines' long runs: which roles may start a big bonus, a JAC stage
// and a single bonus on each machine, and whether a scored game lined one up without them.
#pragma once

#include "machine/machine_model.h"
#include "machine/machine_record.h"

// The roles that may start each kind of bonus, by game number: a big bonus, a JAC stage (the
// regular bonus, or the JAC-in of a big bonus general game) and a single bonus.
struct BonusRoles {
  int big;
  int stage;
  int single;  // 0: the machine keeps something else in singleBonus
};

inline BonusRoles BonusRolesOf(int game) {
  switch (game) {
    case 1:
    case 6: return {RoleBig, RoleRegular | RoleJac, RoleSingle};
    case 2:
    case 7: return {1, 2 | 32, 0};
    case 3: return {1, 2 | 16 | 128, 4};  // the plum and the JAC line are the JAC-in
    case 4: return {1, 2 | 16 | 64, 0};   // the grapes and the JAC line are the JAC-in
    case 5: return {1, 2 | 32, 0};
    default: return {0, 0, 0};
  }
}

// The bonus lined up by the scoring that turned `before` into `after`, when the roles held
// did not grant it: "big", "stage", "single", or null.
inline const char* UngrantedBonus(const MachineModel& model, const MachineRecord& before,
                                  const MachineRecord& after, int rolesHeld) {
  const BonusRoles roles = BonusRolesOf(model.number);
  if (after.bigGames == kMarker && before.bigGames != kMarker && !(rolesHeld & roles.big)) {
    return "big";
  }
  if (after.jacWins == kMarker && before.jacWins != kMarker && !(rolesHeld & roles.stage)) {
    return "stage";
  }
  if (roles.single != 0 && after.singleBonus == kMarker && before.singleBonus != kMarker &&
      !(rolesHeld & roles.single)) {
    return "single";
  }
  return nullptr;
}

inline bool LinesUpABonus(const MachineRecord& before, const MachineRecord& after, int single) {
  return (after.bigGames == kMarker && before.bigGames != kMarker) ||
         (after.jacWins == kMarker && before.jacWins != kMarker) ||
         (single != 0 && after.singleBonus == kMarker && before.singleBonus != kMarker);
}
