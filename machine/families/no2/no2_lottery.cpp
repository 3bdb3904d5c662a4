// Lotteries of the No.2 family. JAC games draw nothing: their stop decides them. Big bonus
// general games give small roles; ordinary games fill and release the big bonus stock.
#include "machine/families/no2/no2_family.h"
#include "machine/game_random.h"

namespace {

void SetRole(MachineRecord& m, int role) { m.roleFlags |= role; }

int Setting(const MachineRecord& m) { return m.setting >= 0 && m.setting < 6 ? m.setting : 2; }

bool IsJacIn(const MachineRecord& m) {
  return m.bigGames == 28 || m.bigGames == 22 || m.bigGames == 1 || m.bigNet > 280;
}

// A stocked big bonus comes out; each release has one chance in four to switch the streak.
void ReleaseBig(MachineRecord& m, int nextMode) {
  SetRole(m, No2RoleBig);
  m.bigStock -= 1;
  if (OneIn(4)) m.streakMode = nextMode;
}

// The release draws of an ordinary game; true when a big bonus came out.
bool DrawRelease(const MachineModel& model, MachineRecord& m) {
  if (m.streakMode == 1) {
    if (ScaledOneIn(m, 50) && m.bigStock > 0) {
      ReleaseBig(m, 0);
      return true;
    }
  } else if (m.streakMode == 0) {
    if (ScaledOneIn(m, model.bigTable[Setting(m)]) && m.bigStock > 0) {
      ReleaseBig(m, 1);
      return true;
    }
  }
  return false;
}

}  // namespace

void No2LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0) return;
  if (m.bigGames > 0) {
    if (IsJacIn(m)) {
      SetRole(m, No2RoleJac);
    } else if (m.bigGames >= 11 && m.bigGames <= 21) {
      static const int kRoles[] = {No2RoleBellGrapeHigh, No2RoleBellGrape, No2RoleCherry};
      SetRole(m, kRoles[GameRand() % 3]);
    } else {
      SetRole(m, m.bet == 3 ? No2RoleBellGrapeHigh : No2RoleBellGrape);
    }
    return;
  }
  // The high mode: bells and grapes three games in four until its count runs out.
  if (m.highModeCount > 0) {
    m.highModeCount -= 1;
    if (!OneIn(4)) SetRole(m, No2RoleBellGrape);
    return;
  }
  const int s = Setting(m);
  if (ScaledOneIn(m, model.highEntryTable[s])) m.highModeCount = OneIn(4) ? 60 : 5;
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  if (DrawRelease(model, m)) return;
  if (m.streakMode == 1) {
    if (ScaledOneIn(m, 8)) {
      SetRole(m, No2RoleBellGrape);
    } else if (ScaledOneIn(m, 20)) {
      SetRole(m, No2RoleCherry);
    }
  } else if (m.streakMode == 0) {
    if (ScaledOneIn(m, model.regularTable[s])) {
      SetRole(m, No2RoleRegular);
    } else if (ScaledOneIn(m, 8)) {
      SetRole(m, No2RoleBellGrape);
    } else if (ScaledOneIn(m, 100)) {
      SetRole(m, No2RoleCherry);
    }
  }
}

void No7LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0) return;
  if (m.bigGames > 0) {
    if (IsJacIn(m)) {
      SetRole(m, No2RoleJac);
    } else if (m.bigGames >= 11 && m.bigGames <= 21) {
      SetRole(m, GameRand() % 2 == 0 ? No2RoleBellGrape : No2RoleCherry);
    } else {
      SetRole(m, No2RoleBellGrape);
    }
    return;
  }
  const int s = Setting(m);
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  // The bonus draws, then the small roles in every game: a bonus waits behind them.
  if (!DrawRelease(model, m) && m.streakMode == 0 && ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, No2RoleRegular);
  }
  if (ScaledOneIn(m, 10)) {
    SetRole(m, No2RoleBellGrape);
  } else if (ScaledOneIn(m, 8)) {
    SetRole(m, No2RoleFruit);
  } else if (ScaledOneIn(m, m.streakMode == 1 ? 32 : 100)) {
    SetRole(m, No2RoleCherry);
  }
}
