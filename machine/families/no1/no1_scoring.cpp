// Scoring of the No.1 family: Sevens, Bars, the single-bonus symbols, fruits and cherries.
// Paying a line clears its role and marks a lined-up bonus for the end of the pay-out.
#include "machine/families/no1/no1_family.h"
#include "machine/line_scoring.h"

namespace {

// A line of three equal symbols.
int Pay(MachineRecord& m, int symbol) {
  switch (symbol) {
    case SymbolSeven:
      m.roleFlags &= ~RoleBig;
      m.bigGames = kMarker;
      return 15;
    case SymbolBar:
      m.roleFlags &= ~RoleRegular;
      m.jacWins = kMarker;
      return 15;
    case SymbolCherry:
      m.roleFlags &= ~RoleCherry;
      return 8;
    case SymbolLamp:
    case SymbolPyramid:
      m.roleFlags &= ~RoleSingle;
      m.singleBonus = kMarker;
      return 10;
    case SymbolFruitA:
    case SymbolFruitB:
      m.roleFlags &= ~RoleFruit;
      return 8;
    case SymbolJac:
      return PayJacLine(m, RoleJac);
    default:
      return 0;
  }
}

// Three equal symbols, or a cherry on reel 1: 5 with a second cherry, else 2.
int ScoreLine(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z) return Pay(m, x);
  if (x == SymbolCherry) return y == SymbolCherry ? 5 : 2;
  return 0;
}

const ScoringRules kNo1Scoring = {SymbolCherry, RoleCherry, ScoreLine, nullptr};

}  // namespace

int No1LineMask(const MachineModel& model, const MachineRecord& m) {
  return ScoreLineMask(model, m, kNo1Scoring);
}

int No1Payout(const MachineModel& model, MachineRecord& m) {
  return ScorePayout(model, m, kNo1Scoring);
}
