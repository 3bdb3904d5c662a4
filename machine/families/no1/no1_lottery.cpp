// The internal lottery of the No.1 family, drawn once per game at the lever. Big bonuses pass
// through a stock; a streak mode releases stocked ones quickly; a high mode pays single bonuses.
#include "machine/families/no1/no1_family.h"
#include "machine/game_random.h"

namespace {

void SetRole(MachineRecord& m, int role) { m.roleFlags |= role; }

int Setting(const MachineRecord& m) {
  return m.setting >= 0 && m.setting < 6 ? m.setting : 2;  // the games' own setting 3
}

// Case 1: a JAC game wins two times in three, and always when every game left must win.
void DrawJacGame(MachineRecord& m) {
  if (GameRand() % 3 != 0 || m.jacWins == m.jacGames) SetRole(m, RoleJac);
}

// Case 2: general games of a big bonus win the fruit, except the JAC-ins.
void DrawBigBonusGame(MachineRecord& m) {
  bool jacIn = m.bigGames == 28 || m.bigGames == 22 || m.bigGames == 1 || m.bigNet > 280;
  SetRole(m, jacIn ? RoleJac : RoleFruit);
}

// Case 3: the single-bonus high mode.
void DrawHighModeGame(const MachineModel& model, MachineRecord& m) {
  int s = Setting(m);
  if (ScaledOneIn(m, 4)) {
    SetRole(m, RoleSingle);
    m.highModeCount -= 1;
  } else if (ScaledOneIn(m, 10)) {
    SetRole(m, RoleFruit);
  } else if (ScaledOneIn(m, 10)) {
    SetRole(m, RoleCherry);
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, RoleRegular);
    if (OneIn(2)) m.highModeCount = 0;
  } else if (ScaledOneIn(m, model.bigTable[s])) {
    SetRole(m, RoleBig);  // straight from the lottery: the stock is not touched
    m.highModeCount = 0;
  }
  if (OneIn(model.highEndTable[s])) m.highModeCount = 0;
}

// Releases a stocked big bonus; each release has one chance in four to switch the streak mode.
void ReleaseBig(MachineRecord& m, int nextMode) {
  SetRole(m, RoleBig);
  m.bigStock -= 1;
  if (OneIn(4)) m.streakMode = nextMode;
}

// Case 4: an ordinary game.
void DrawOrdinaryGame(const MachineModel& model, MachineRecord& m) {
  int s = Setting(m);
  if (ScaledOneIn(m, model.highEntryTable[s])) m.highModeCount = 128;  // from the next game
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  if (m.streakMode == 1) {
    if (ScaledOneIn(m, 50) && m.bigStock > 0) {
      ReleaseBig(m, 0);
    } else if (ScaledOneIn(m, 20)) {
      SetRole(m, RoleSingle);
    } else if (ScaledOneIn(m, 10)) {
      SetRole(m, RoleFruit);
    } else if (ScaledOneIn(m, 20)) {
      SetRole(m, RoleCherry);
    }
    return;
  }
  if (m.streakMode != 0) return;
  if (ScaledOneIn(m, model.bigTable[s]) && m.bigStock > 0) {
    ReleaseBig(m, 1);
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, RoleRegular);
  } else if (ScaledOneIn(m, 40)) {
    SetRole(m, RoleSingle);
  } else if (ScaledOneIn(m, 10)) {
    SetRole(m, RoleFruit);
  } else if (ScaledOneIn(m, 100)) {
    SetRole(m, RoleCherry);
  }
}

}  // namespace

void No1LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0 || m.singleBonus > 0) {
    DrawJacGame(m);
  } else if (m.bigGames > 0) {
    DrawBigBonusGame(m);
  } else if (m.highModeCount > 0) {
    DrawHighModeGame(model, m);
  } else {
    DrawOrdinaryGame(model, m);
  }
}
