// The lottery of machine No.4. While a bonus role waits to be lined up, ordinary games only
// add bells and apples; big bonus general games give oranges in their first and middle games.
#include "machine/families/no4/no4_family.h"
#include "machine/game_random.h"

namespace {

void SetRole(MachineRecord& m, int role) { m.roleFlags |= role; }

int Setting(const MachineRecord& m) { return m.setting >= 0 && m.setting < 6 ? m.setting : 2; }

}  // namespace

void No4LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0 || m.singleBonus > 0) {
    if (GameRand() % 3 != 0 || m.jacWins == m.jacGames) SetRole(m, No4RoleJac);
    return;
  }
  if (m.bigGames > 0) {
    const int g = m.bigGames;
    if (g == 28 || g == 22 || g == 1 || m.bigNet > 280) {
      SetRole(m, No4RoleGrapes);  // the JAC-in
    } else if ((g >= 25 && g <= 30) || (g >= 19 && g <= 21)) {
      SetRole(m, No4RoleOrange);
    } else {
      SetRole(m, GameRand() % 3 == 0 ? No4RoleBell : No4RoleApple);
    }
    return;
  }
  if (m.roleFlags & (No4RoleBig | No4RoleRegular)) {
    if (ScaledOneIn(m, 8)) SetRole(m, GameRand() % 3 == 0 ? No4RoleBell : No4RoleApple);
    return;
  }
  const int s = Setting(m);
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  bool released = false;
  if (m.streakMode == 1) {
    released = ScaledOneIn(m, 50) && m.bigStock > 0;
  } else if (m.streakMode == 0) {
    released = ScaledOneIn(m, model.bigTable[s]) && m.bigStock > 0;
  }
  if (released) {
    SetRole(m, No4RoleBig);
    m.bigStock -= 1;
    if (OneIn(4)) m.streakMode = m.streakMode == 1 ? 0 : 1;
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    SetRole(m, No4RoleRegular);
  } else if (ScaledOneIn(m, 16)) {
    SetRole(m, GameRand() % 3 != 0 ? No4RoleApple : No4RoleBell);
  } else if (ScaledOneIn(m, 22)) {
    SetRole(m, No4RoleGrapes);
  } else if (ScaledOneIn(m, 8)) {
    SetRole(m, No4RoleOrange);
  }
}
