// Scoring of machine No.5. Three cherries are no line of their own; a cherry on reel 1 scores
// 2 a line, 6 with a second cherry beside it.
#include "machine/families/no5/no5_family.h"
#include "machine/line_scoring.h"

namespace {

int Pay(MachineRecord& m, int symbol) {
  switch (symbol) {
    case No5SymbolSeven:
      m.roleFlags &= ~No5RoleBig;
      m.bigGames = kMarker;
      return 15;
    case No5SymbolBar:
      m.roleFlags &= ~No5RoleRegular;
      m.jacWins = kMarker;
      return 15;
    case No5SymbolPlum:
    case No5SymbolBell:
    case No5SymbolOrange:
      m.roleFlags &= ~(No5RoleFruit | No5RoleBonusGame);
      return 8;
    case No5SymbolMelon:
      m.roleFlags &= ~No5RoleMelon;
      return 6;
    case No5SymbolJac:
      return PayJacLine(m, No5RoleJac);
    default:
      return 0;
  }
}

int ScoreLine(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z && x != No5SymbolCherry) return Pay(m, x);
  if (x == No5SymbolCherry) return y == No5SymbolCherry ? 6 : 2;
  return 0;
}

const ScoringRules kNo5Scoring = {No5SymbolCherry, No5RoleCherry, ScoreLine, nullptr};

}  // namespace

int No5LineMask(const MachineModel& model, const MachineRecord& m) {
  return ScoreLineMask(model, m, kNo5Scoring);
}

int No5Payout(const MachineModel& model, MachineRecord& m) {
  return ScorePayout(model, m, kNo5Scoring);
}
