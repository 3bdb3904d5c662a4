// Scoring of machine No.3. A red seven before two bar sevens pays as three bar sevens, a
// peach before two peach pairs as three pairs; a peach on reel 1 scores 1 a line.
#include "machine/families/no3/no3_family.h"
#include "machine/line_scoring.h"

namespace {

int Pay(MachineRecord& m, int symbol) {
  switch (symbol) {
    case No3SymbolRedSeven:
      m.roleFlags &= ~No3RoleBig;
      m.bigGames = kMarker;
      return 15;
    case No3SymbolBarSeven:
      m.roleFlags &= ~No3RoleSingle;
      m.singleBonus = kMarker;
      return 6;
    case No3SymbolBar:
      m.roleFlags &= ~No3RoleRegular;
      m.jacWins = kMarker;
      return 15;
    case No3SymbolPeachPair:
      m.roleFlags &= ~No3RolePeachPair;
      return 15;
    case No3SymbolPlum:
      m.roleFlags &= ~No3RolePlum;
      if (m.bigGames > 0 && m.jacWins == 0) m.jacWins = kMarker;  // the JAC-in
      return 6;
    case No3SymbolOrange:
      m.roleFlags &= ~No3RoleOrange;
      return 5;
    case No3SymbolJac:
      return PayJacLine(m, No3RoleJac);
    default:
      return 0;
  }
}

// Red seven before two bar sevens, or a peach before two peach pairs.
bool MixedLine(int x, int y, int z) {
  if (y != z) return false;
  return (x == No3SymbolRedSeven && y == No3SymbolBarSeven) ||
         (x == No3SymbolPeach && y == No3SymbolPeachPair);
}

int ScoreLine(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z && x != No3SymbolPeach) return Pay(m, x);
  if (MixedLine(x, y, z)) return Pay(m, y);
  if (x == No3SymbolPeach) return 1;
  return 0;
}

const ScoringRules kNo3Scoring = {No3SymbolPeach, No3RolePeach, ScoreLine, MixedLine};

}  // namespace

int No3LineMask(const MachineModel& model, const MachineRecord& m) {
  return ScoreLineMask(model, m, kNo3Scoring);
}

int No3Payout(const MachineModel& model, MachineRecord& m) {
  int paid = ScorePayout(model, m, kNo3Scoring);
  // The high mode's sevens are a show for the game they were drawn in; nothing carries over.
  m.roleFlags &= ~No3RoleHighMode;
  return paid;
}
