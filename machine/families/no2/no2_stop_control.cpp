// Stop control of the No.2 family. A JAC game is decided at its one stop. Otherwise the first
// stop chooses line and symbol for the role served; a game without role shows a near miss:
// the second reel prepares a line that the last reel then leaves incomplete.
#include "machine/families/no2/no2_family.h"
#include "machine/game_random.h"
#include "machine/pay_lines.h"

StopRules No2StopRules(const MachineRecord& m) {
  const int cherryFree = (1 << No2SymbolBig) | (1 << No2SymbolCherry) | (1 << No2SymbolRegular);
  bool cherryRuleOff = (m.roleFlags & No2RoleBellGrapeHigh) != 0;
  return StopRules{cherryRuleOff ? -1 : No2SymbolCherry, cherryFree, true, nullptr};
}

namespace {

// The symbols that pay a role differ between the two machines: on No.2 role 4 is a bell or
// grapes and role 8 an apple or orange; on No.7 role 4 is a bell or an apple and role 8 grapes
// or an orange. Stop control aims at the symbols that pay the role on its own machine.
struct RoleSymbols {
  int bell;        // role 4 (and 64): the symbol aimed above the middle
  int bellOther;   // role 4 (and 64): the symbol aimed below the middle
  int fruitEven;   // role 8 when rand() mod 2 is 0
  int fruitOdd;    // role 8 otherwise
};
constexpr RoleSymbols kNo2Symbols = {No2SymbolBell, No2SymbolGrapes, No2SymbolApple, No2SymbolOrange};
constexpr RoleSymbols kNo7Symbols = {No2SymbolBell, No2SymbolApple, No2SymbolGrapes, No2SymbolOrange};

int ServedRoleWithOrder(const MachineRecord& m, const int* smallRoles, int count) {
  if (m.roleFlags & No2RoleJac) return No2RoleJac;
  if (m.jacWins > 0) return 0;
  for (int i = 0; i < count; ++i) {
    if (m.roleFlags & smallRoles[i]) return smallRoles[i];
  }
  if (m.bigGames > 0) return 0;
  if (m.roleFlags & No2RoleRegular) return No2RoleRegular;
  if (m.roleFlags & No2RoleBig) return No2RoleBig;
  return 0;
}

// One stop is one JAC game: two in three win (and every game wins when every game left
// must); a win brings the JAC symbol to the middle row and pays 15.
int JacGameStop(const StopView& v, MachineRecord& m, int reel) {
  bool win = GameRand() % 3 != 0 || m.jacWins == m.jacGames;
  if (win) {
    m.litLines = LineMiddle;
    m.payoutPending = 15;
    return FindSlide(v, RowMiddle, reel, No2SymbolJac);
  }
  m.litLines = 0;
  m.payoutPending = 0;
  for (int n = 0; n <= kMaxSlide; ++n) {
    if (SearchSymbol(v, reel, RowMiddle, n, No2SymbolJac) != No2SymbolJac) return n;
  }
  return 0;
}

// Bells and grapes: which of the two is nearer decides, with a little chance thrown in; the
// line then depends on the symbol (role 4 aims above the middle with bells, role 64 below).
int BellGrapeFirstStop(const StopView& v, MachineRecord& m, int reel, bool highRole,
                       const RoleSymbols& symbols) {
  bool grapes;
  if (!highRole) {
    int a = FindSlide(v, RowTop, reel, symbols.bell);
    int b = FindSlide(v, RowMiddle, reel, symbols.bellOther);
    grapes = a > b + 1 + GameRand() % 2;
  } else {
    int b = FindSlide(v, RowMiddle, reel, symbols.bell);
    int d = FindSlide(v, RowTop, reel, symbols.bellOther);
    grapes = b + 2 + GameRand() % 2 < d;
  }
  m.targetSymbol = grapes ? symbols.bellOther : symbols.bell;
  // The off-middle line of each symbol, for role 4 and for role 64.
  int rowLine = highRole ? (grapes ? LineTop : LineBottom) : (grapes ? LineBottom : LineTop);
  int diagonal = highRole ? (grapes ? LineDiagonalDown : LineDiagonalUp)
                          : (grapes ? LineDiagonalUp : LineDiagonalDown);
  switch (m.bet) {
    case 1:
      m.targetLine = LineMiddle;
      break;
    case 2:
      m.targetLine = GameRand() % 2 == 0 ? LineMiddle : rowLine;
      break;
    case 3:
      if (!highRole) {
        int r = GameRand() % 3;
        m.targetLine = r == 0 ? LineMiddle : r == 1 ? rowLine : diagonal;
      } else {
        m.targetLine = GameRand() % 2 == 0 ? rowLine : diagonal;
      }
      break;
    default:
      break;
  }
  return FindSlide(v, RowOf(m.targetLine, reel), reel, m.targetSymbol);
}

int FirstStop(const StopView& v, MachineRecord& m, int reel, int role, const RoleSymbols& symbols) {
  switch (role) {
    case No2RoleBig:
    case No2RoleRegular:
    case No2RoleFruit:
    case No2RoleCherry:
      m.targetLine = BonusLine(m);
      if (role == No2RoleBig) m.targetSymbol = No2SymbolBig;
      if (role == No2RoleRegular) m.targetSymbol = No2SymbolRegular;
      if (role == No2RoleFruit) m.targetSymbol = GameRand() % 2 == 0 ? symbols.fruitEven : symbols.fruitOdd;
      if (role == No2RoleCherry) m.targetSymbol = No2SymbolCherry;
      return FindSlide(v, RowOf(m.targetLine, reel), reel, m.targetSymbol);
    case No2RoleJac:
      m.targetLine = LineMiddle;
      m.targetSymbol = No2SymbolJac;
      return FindSlide(v, RowMiddle, reel, No2SymbolJac);
    case No2RoleBellGrape:
      return BellGrapeFirstStop(v, m, reel, false, symbols);
    case No2RoleBellGrapeHigh:
      return BellGrapeFirstStop(v, m, reel, true, symbols);
    default:  // the near miss begins: a bonus symbol on the only line of one medal
      m.targetLine = LineDiagonalDown;
      m.targetSymbol = No2SymbolAny;
      if (m.bet == 1) return FindSlide(v, RowMiddle, reel, No2SymbolBig);
      return FindSlide(v, RowTop, reel, No2SymbolAny);
  }
}

// The near miss of a game without role: this reel takes up a symbol the first reel shows,
// on the row where the shortest slide brings it, so that one reel is missing to a line.
int NearMissSecondStop(const StopView& v, const MachineRecord& m, int reel) {
  int first = -1;
  for (int r = 0; r < kReelCount; ++r) {
    if (r != reel && m.reelState[r] == 0) {
      first = r;
      break;
    }
  }
  int keptRow = -1, keptSymbol = No2SymbolAny, keptSlide = kMaxSlide + 1;
  for (int row = RowBottom; first >= 0 && row >= RowTop; --row) {
    bool locked = (reel == 1 && (keptSymbol == No2SymbolBig || keptSymbol == No2SymbolRegular)) ||
                  (reel == 2 && (keptSymbol == No2SymbolBell || keptSymbol == No2SymbolGrapes));
    if (keptRow >= 0 && locked) break;
    int s = SearchSymbol(v, first, row, 0, No2SymbolAny);
    for (int k = 0; k <= kMaxSlide - row; ++k) {
      if (SearchSymbol(v, reel, RowTop, k, No2SymbolAny) != s) continue;
      if (k < keptSlide) {
        keptSlide = k;
        keptRow = row;
        keptSymbol = s;
      }
      break;
    }
  }
  if (keptRow < 0) return FindSlide(v, RowTop, reel, No2SymbolAny);  // nothing to take up
  if (m.bet == 3) {
    if (reel == 1) {
      if (GameRand() % 2 == 1) keptRow = RowMiddle;
    } else if (keptSymbol != No2SymbolBig && keptSymbol != No2SymbolRegular &&
               keptRow != RowMiddle) {
      keptRow = 2 * (GameRand() % 2);
    }
  }
  return FindSlide(v, keptRow, reel, keptSymbol);
}

int StopControlFor(const MachineModel& model, MachineRecord& m, int reel, int role,
                   const RoleSymbols& symbols) {
  StopRules rules = No2StopRules(m);
  // A near miss must not pay: without a role reel 1 keeps the cherry away even while it
  // shows a bonus symbol.
  if (role == 0) rules.cherryFreeTargets = 0;
  StopView v{model, m, rules};
  if (m.jacWins > 0) return JacGameStop(v, m, reel);
  switch (StopsInGame(m)) {
    case 1:
      return FirstStop(v, m, reel, role, symbols);
    case 2:
      if (role == 0) return NearMissSecondStop(v, m, reel);
      if (role == No2RoleCherry) return FindSlide(v, RowOf(m.targetLine, reel), reel, No2SymbolAny);
      return FindSlide(v, RowOf(m.targetLine, reel), reel, m.targetSymbol);
    default:
      if (role == No2RoleCherry) return FirstSlideCompletingNothing(v, reel);
      return LastReelSlide(v, reel, role == 0 ? No2SymbolAny : m.targetSymbol);
  }
}

}  // namespace

int No2ServedRole(const MachineRecord& m) {
  static const int kOrder[] = {No2RoleBellGrapeHigh, No2RoleCherry, No2RoleBellGrape, No2RoleFruit};
  return ServedRoleWithOrder(m, kOrder, 4);
}

int No7ServedRole(const MachineRecord& m) {
  static const int kOrder[] = {No2RoleBellGrape, No2RoleFruit, No2RoleCherry};
  return ServedRoleWithOrder(m, kOrder, 3);
}

int No2StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  return StopControlFor(model, m, reel, No2ServedRole(m), kNo2Symbols);
}

int No7StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  return StopControlFor(model, m, reel, No7ServedRole(m), kNo7Symbols);
}
