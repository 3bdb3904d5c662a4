// Scoring of the No.1 family: which lines won, and what the game pays (at most 15 medals).
// Paying a line clears its role and marks a lined-up bonus for the end of the pay-out.
#include "machine/families/no1/no1_family.h"
#include "machine/pay_lines.h"
#include "machine/reel_geometry.h"

namespace {

SymbolWindow ScoredWindow(const MachineModel& model, const MachineRecord& m) {
  return ReadSymbolWindow(model, m, JacPlayInForce(m, m.targetSymbol == model.jacSymbol));
}

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
    case SymbolJac: {
      bool jacPlay = m.jacWins != 0;
      m.roleFlags &= ~RoleJac;
      if (m.jacWins == 0) m.jacWins = kMarker;  // the JAC-in of a big bonus general game
      return jacPlay ? 15 : 0;
    }
    default:
      return 0;
  }
}

// A line scores three equal symbols, or a cherry on reel 1: 5 with a second cherry, else 2.
int ScoreLine(MachineRecord& m, int x, int y, int z) {
  if (x == y && y == z) return Pay(m, x);
  if (x == SymbolCherry) return y == SymbolCherry ? 5 : 2;
  return 0;
}

}  // namespace

int No1LineMask(const MachineModel& model, const MachineRecord& m) {
  SymbolWindow w = ScoredWindow(model, m);
  int open = ActiveLines(m.bet);
  int mask = 0;
  for (int line : kLineOrder) {
    if (!(open & line)) continue;
    int x = w.cell[0][RowOf(line, 0)];
    int y = w.cell[1][RowOf(line, 1)];
    int z = w.cell[2][RowOf(line, 2)];
    if ((x == y && y == z) || x == SymbolCherry) mask |= line;
  }
  return mask;
}

int No1Payout(const MachineModel& model, MachineRecord& m) {
  SymbolWindow w = ScoredWindow(model, m);
  int open = ActiveLines(m.bet);
  int total = 0;
  static const int kRows[] = {LineTop, LineMiddle, LineBottom};
  for (int line : kRows) {
    if (!(open & line)) continue;
    int row = RowOf(line, 0);
    int x = w.cell[0][row];
    total += ScoreLine(m, x, w.cell[1][row], w.cell[2][row]);
    if (x == SymbolCherry) m.roleFlags &= ~RoleCherry;
  }
  static const int kDiagonals[] = {LineDiagonalDown, LineDiagonalUp};
  for (int line : kDiagonals) {
    if (!(open & line)) continue;
    total += ScoreLine(m, w.cell[0][RowOf(line, 0)], w.cell[1][RowOf(line, 1)],
                       w.cell[2][RowOf(line, 2)]);
  }
  return total < kMaxPayPerGame ? total : kMaxPayPerGame;
}
