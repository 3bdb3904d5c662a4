// Scoring of the No.2 family. Three cherries are no line of their own: a cherry on reel 1
// scores by itself, more with a second cherry on machine No.2.
#include "machine/families/no2/no2_family.h"
#include "machine/line_scoring.h"

namespace {

int PayBonus(MachineRecord& m, int symbol) {
  if (symbol == No2SymbolBig) {
    m.roleFlags &= ~No2RoleBig;
    m.bigGames = kMarker;
    return 15;
  }
  m.roleFlags &= ~No2RoleRegular;
  m.jacWins = kMarker;
  return 15;
}

int PayNo2(MachineRecord& m, int symbol) {
  switch (symbol) {
    case No2SymbolBig:
    case No2SymbolRegular:
      return PayBonus(m, symbol);
    case No2SymbolBell:
    case No2SymbolGrapes:
      m.roleFlags &= ~(No2RoleBellGrape | No2RoleBellGrapeHigh);
      return 8;
    case No2SymbolOrange:
    case No2SymbolApple:
      m.roleFlags &= ~No2RoleFruit;
      return 8;
    case No2SymbolJac:
      return PayJacLine(m, No2RoleJac);
    default:
      return 0;
  }
}

int PayNo7(MachineRecord& m, int symbol) {
  switch (symbol) {
    case No2SymbolBig:
    case No2SymbolRegular:
      return PayBonus(m, symbol);
    case No2SymbolBell:
    case No2SymbolApple:
      m.roleFlags &= ~No2RoleBellGrape;
      return 15;
    case No2SymbolGrapes:
      m.roleFlags &= ~No2RoleFruit;
      return 8;
    case No2SymbolOrange:
      m.roleFlags &= ~No2RoleFruit;
      return 6;
    case No2SymbolJac:
      return PayJacLine(m, No2RoleJac);
    default:
      return 0;
  }
}

int ScoreLineNo2(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z && x != No2SymbolCherry) return PayNo2(m, x);
  if (x == No2SymbolCherry) return y == No2SymbolCherry ? 6 : 2;
  return 0;
}

int ScoreLineNo7(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z && x != No2SymbolCherry) return PayNo7(m, x);
  if (x == No2SymbolCherry) return 2;
  return 0;
}

const ScoringRules kNo2Scoring = {No2SymbolCherry, No2RoleCherry, ScoreLineNo2, nullptr};
const ScoringRules kNo7Scoring = {No2SymbolCherry, No2RoleCherry, ScoreLineNo7, nullptr};

}  // namespace

int No2LineMask(const MachineModel& model, const MachineRecord& m) {
  return ScoreLineMask(model, m, kNo2Scoring);
}

int No2Payout(const MachineModel& model, MachineRecord& m) {
  return ScorePayout(model, m, kNo2Scoring);
}

int No7Payout(const MachineModel& model, MachineRecord& m) {
  return ScorePayout(model, m, kNo7Scoring);
}
