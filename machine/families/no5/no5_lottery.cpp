// The lottery of machine No.5. JAC games draw nothing (the stop tables decide them); big bonus
// general games win the plum, bell or orange role unless it is a JAC-in.
#include "machine/families/no5/no5_family.h"
#include "machine/game_random.h"

void No5LotteryDraw(const MachineModel& model, MachineRecord& m) {
  if (m.jacWins > 0) return;
  if (m.bigGames > 0) {
    bool jacIn = m.bigGames == 28 || m.bigGames == 22 || m.bigGames == 1 || m.bigNet > 280;
    m.roleFlags |= jacIn ? No5RoleJac : No5RoleBonusGame;
    return;
  }
  const int s = m.setting >= 0 && m.setting < 6 ? m.setting : 2;
  if (ScaledOneIn(m, model.bigTable[s])) m.bigStock += 1;
  bool released = false;
  if (m.streakMode == 1) {
    released = ScaledOneIn(m, 50) && m.bigStock > 0;
  } else if (m.streakMode == 0) {
    released = ScaledOneIn(m, model.bigTable[s]) && m.bigStock > 0;
  }
  if (released) {
    m.roleFlags |= No5RoleBig;
    m.bigStock -= 1;
    if (OneIn(4)) m.streakMode = m.streakMode == 1 ? 0 : 1;
  } else if (ScaledOneIn(m, model.regularTable[s])) {
    m.roleFlags |= No5RoleRegular;
  } else if (ScaledOneIn(m, 34)) {
    m.roleFlags |= No5RoleCherry;
  } else if (ScaledOneIn(m, 8)) {
    m.roleFlags |= No5RoleFruit;
  } else if (ScaledOneIn(m, 200)) {
    m.roleFlags |= No5RoleMelon;
  }
}
