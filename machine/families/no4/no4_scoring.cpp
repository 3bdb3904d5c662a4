// Scoring of machine No.4. A line of BARs and bells mixed pays as three bells; a cherry on
// reel 1 pays 2 a line and serves the orange role, which aims at it.
#include "machine/families/no4/no4_family.h"
#include "machine/line_scoring.h"

namespace {

int Pay(MachineRecord& m, int symbol) {
  switch (symbol) {
    case No4SymbolFever:
      m.roleFlags &= ~No4RoleBig;
      m.bigGames = kMarker;
      return 15;
    case No4SymbolBar:
      m.roleFlags &= ~No4RoleRegular;
      m.jacWins = kMarker;
      return 15;
    case No4SymbolBell:
      m.roleFlags &= ~No4RoleBell;
      return 15;
    case No4SymbolApple:
      m.roleFlags &= ~No4RoleApple;
      return 15;
    case No4SymbolGrapes:
      m.roleFlags &= ~No4RoleGrapes;
      if (m.bigGames > 0 && m.jacWins == 0) m.jacWins = kMarker;  // the JAC-in
      return 15;
    case No4SymbolOrange:
      m.roleFlags &= ~No4RoleOrange;
      return 4;
    case No4SymbolJac:
      return PayJacLine(m, No4RoleJac);
    default:
      return 0;
  }
}

bool BarsAndBells(int s) { return s == No4SymbolBar || s == No4SymbolBell; }

bool MixedBells(int x, int y, int z) {
  return BarsAndBells(x) && BarsAndBells(y) && BarsAndBells(z) && !(x == y && y == z);
}

int ScoreLine(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z) return Pay(m, x);
  if (MixedBells(x, y, z)) return Pay(m, No4SymbolBell);
  if (x == No4SymbolCherry) return 2;
  return 0;
}

const ScoringRules kNo4Scoring = {No4SymbolCherry, No4RoleOrange, ScoreLine, MixedBells};

}  // namespace

int No4LineMask(const MachineModel& model, const MachineRecord& m) {
  return ScoreLineMask(model, m, kNo4Scoring);
}

int No4Payout(const MachineModel& model, MachineRecord& m) {
  return ScorePayout(model, m, kNo4Scoring);
}
