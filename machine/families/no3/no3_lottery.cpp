// The lottery of machine No.3. Its high mode gives single bonuses and shows failing sevens;
// while a bonus role waits, ordinary games only add peach pairs and plums.
#include "machine/families/no3/no3_family.h"
#include "machine/game_random.h"

namespace {

void SetRole(MachineRecord& m, int role) { m.roleFlags |= role; }

void DrawHighModeGame(const MachineModel& model, MachineRecord& m, int s) {
  if (ScaledOneIn(m, 4)) {
    SetRole(m, No3RoleSingle);
    m.highModeCount -= 1;
  } else if (ScaledOneIn(m, 3)) {
    SetRole(m, No3RoleHighMode);
  } else if (ScaledOneIn(m, 10)) {
    SetRole(m, No3RolePeachPair);
  } else if (ScaledOneIn(m, 100)) {
    SetRole(m, No3RolePlum);
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, No3RoleRegular);
    if (OneIn(2)) m.highModeCount = 0;
  } else if (ScaledOneIn(m, model.bigTable[s])) {
    SetRole(m, No3RoleBig);
    if (!OneIn(10)) m.highModeCount = 0;
  }
  if (OneIn(model.highEndTable[s])) m.highModeCount = 0;
}

void DrawOrdinaryGame(const MachineModel& model, MachineRecord& m, int s) {
  if (ScaledOneIn(m, model.highEntryTable[s])) m.highModeCount = 128;
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  if (m.streakMode == 1) {
    if (ScaledOneIn(m, 50) && m.bigStock > 0) {
      SetRole(m, No3RoleBig);
      m.bigStock -= 1;
      if (OneIn(4)) m.streakMode = 0;
    } else if (ScaledOneIn(m, 20)) {
      SetRole(m, No3RoleSingle);
    } else if (ScaledOneIn(m, 8)) {
      SetRole(m, No3RolePlum);
    } else if (ScaledOneIn(m, 204)) {
      SetRole(m, No3RolePeachPair);
    }
    return;
  }
  if (m.streakMode != 0) return;
  if (ScaledOneIn(m, model.bigTable[s]) && m.bigStock > 0) {
    SetRole(m, No3RoleBig);
    m.bigStock -= 1;
    if (OneIn(4)) m.streakMode = 1;
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, No3RoleRegular);
  } else if (ScaledOneIn(m, 35)) {
    SetRole(m, No3RoleSingle);
  } else if (ScaledOneIn(m, 8)) {
    SetRole(m, No3RolePlum);
  } else if (ScaledOneIn(m, 204)) {
    SetRole(m, No3RolePeachPair);
  } else if (ScaledOneIn(m, 204)) {
    SetRole(m, No3RolePeach);
  }
}

}  // namespace

void No3LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0 || m.singleBonus > 0) {
    if (GameRand() % 3 != 0 || m.jacWins == m.jacGames) SetRole(m, No3RoleJac);
    return;
  }
  if (m.bigGames > 0) {
    bool jacIn = m.bigGames == 28 || m.bigGames == 22 || m.bigGames == 1 || m.bigNet > 280;
    SetRole(m, jacIn ? No3RolePlum : No3RolePeachPair);
    return;
  }
  if (m.roleFlags & (No3RoleBig | No3RoleRegular)) {
    if (ScaledOneIn(m, 8)) {
      SetRole(m, No3RolePeachPair);
    } else if (ScaledOneIn(m, 100)) {
      SetRole(m, No3RolePlum);
    }
    return;
  }
  const int s = m.setting >= 0 && m.setting < 6 ? m.setting : 2;
  if (m.highModeCount > 0) {
    DrawHighModeGame(model, m, s);
  } else {
    DrawOrdinaryGame(model, m, s);
  }
}
