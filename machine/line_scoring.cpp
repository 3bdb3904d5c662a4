// Line scoring shared by the searching machines: rows first, then the diagonals of a full bet.
#include "machine/line_scoring.h"

#include "machine/pay_lines.h"
#include "machine/reel_geometry.h"

SymbolWindow ScoredWindow(const MachineModel& model, const MachineRecord& m) {
  return ReadSymbolWindow(model, m, JacPlayInForce(m, m.targetSymbol == model.jacSymbol));
}

int ScoreLineMask(const MachineModel& model, const MachineRecord& m, const ScoringRules& rules) {
  SymbolWindow w = ScoredWindow(model, m);
  int open = ActiveLines(m.bet);
  int mask = 0;
  for (int line : kLineOrder) {
    if (!(open & line)) continue;
    int x = w.cell[0][RowOf(line, 0)];
    int y = w.cell[1][RowOf(line, 1)];
    int z = w.cell[2][RowOf(line, 2)];
    bool mixed = rules.mixedWin != nullptr && rules.mixedWin(x, y, z);
    if ((x == y && y == z) || mixed || x == rules.cherrySymbol) mask |= line;
  }
  return mask;
}

int ScorePayout(const MachineModel& model, MachineRecord& m, const ScoringRules& rules) {
  SymbolWindow w = ScoredWindow(model, m);
  int open = ActiveLines(m.bet);
  int total = 0;
  static const int kRows[] = {LineTop, LineMiddle, LineBottom};
  for (int line : kRows) {
    if (!(open & line)) continue;
    int row = RowOf(line, 0);
    int x = w.cell[0][row];
    total += rules.scoreLine(m, x, w.cell[1][row], w.cell[2][row]);
    if (x == rules.cherrySymbol) m.roleFlags &= ~rules.cherryRole;
  }
  static const int kDiagonals[] = {LineDiagonalDown, LineDiagonalUp};
  for (int line : kDiagonals) {
    if (!(open & line)) continue;
    total += rules.scoreLine(m, w.cell[0][RowOf(line, 0)], w.cell[1][RowOf(line, 1)],
                             w.cell[2][RowOf(line, 2)]);
  }
  return total < kMaxPayPerGame ? total : kMaxPayPerGame;
}

int PayJacLine(MachineRecord& m, int jacRole) {
  bool jacPlay = m.jacWins != 0;
  m.roleFlags &= ~jacRole;
  if (m.jacWins == 0) m.jacWins = kMarker;  // the JAC-in of a big bonus general game
  return jacPlay ? 15 : 0;
}
