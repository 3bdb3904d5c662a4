// Stop control of the No.1 family: the first reel stopped chooses the line and the symbol for
// the role the lottery granted; the second pulls the symbol in; the last completes only that.
#include "machine/families/no1/no1_family.h"
#include "machine/game_random.h"
#include "machine/pay_lines.h"

const StopRules kNo1StopRules = {
    SymbolCherry,
    (1 << SymbolSeven) | (1 << SymbolBar) | (1 << SymbolCherry),
    false,
    nullptr,
};

int No1ServedRole(int roleFlags) {
  static const int kOrder[] = {RoleJac, RoleCherry, RoleFruit, RoleSingle, RoleRegular, RoleBig};
  for (int role : kOrder) {
    if (roleFlags & role) return role;
  }
  return 0;
}

namespace {

// The fruit's line depends on which fruit was chosen: A above the middle, B below it.
int FruitLine(const MachineRecord& m, int fruit) {
  bool a = fruit == SymbolFruitA;
  switch (m.bet) {
    case 1: return LineMiddle;
    case 2: return GameRand() % 2 == 0 ? LineMiddle : (a ? LineTop : LineBottom);
    case 3: {
      int r = GameRand() % 3;
      if (r == 0) return LineMiddle;
      if (r == 1) return a ? LineTop : LineBottom;
      return a ? LineDiagonalDown : LineDiagonalUp;
    }
    default: return m.targetLine;
  }
}

int FirstStop(const StopView& v, MachineRecord& m, int reel, int role) {
  switch (role) {
    case RoleBig:
    case RoleRegular:
    case RoleCherry: {
      m.targetLine = BonusLine(m);
      m.targetSymbol = role == RoleBig ? SymbolSeven : role == RoleRegular ? SymbolBar : SymbolCherry;
      return FindSlide(v, RowOf(m.targetLine, reel), reel, m.targetSymbol);
    }
    case RoleSingle: {
      m.targetLine = SpreadLine(m);
      int row = RowOf(m.targetLine, reel);
      int a = FindSlide(v, row, reel, SymbolPyramid);
      int b = FindSlide(v, row, reel, SymbolLamp);
      m.targetSymbol = a < b ? SymbolPyramid : SymbolLamp;
      return a < b ? a : b;
    }
    case RoleFruit: {
      int x = FindSlide(v, RowTop, reel, SymbolFruitB);
      int y = FindSlide(v, RowTop, reel, SymbolFruitA);
      m.targetSymbol = y < x ? SymbolFruitA : SymbolFruitB;
      m.targetLine = FruitLine(m, m.targetSymbol);
      return FindSlide(v, RowOf(m.targetLine, reel), reel, m.targetSymbol);
    }
    case RoleJac:
      m.targetLine = LineMiddle;
      m.targetSymbol = SymbolJac;
      return FindSlide(v, RowMiddle, reel, SymbolJac);
    default:
      m.targetLine = LineDiagonalDown;
      m.targetSymbol = SymbolAny;
      return FindSlide(v, RowTop, reel, SymbolAny);
  }
}

int SecondStop(const StopView& v, const MachineRecord& m, int reel, int role) {
  if (role == 0) return FindSlide(v, RowTop, reel, m.targetSymbol);
  int row = RowOf(m.targetLine, reel);
  if (role == RoleCherry && !OneIn(4)) return FindSlide(v, row, reel, SymbolAny);
  return FindSlide(v, row, reel, m.targetSymbol);
}

}  // namespace

int No1StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  StopView v{model, m, kNo1StopRules};
  int role = No1ServedRole(m.roleFlags);
  switch (StopsInGame(m)) {
    case 1: return FirstStop(v, m, reel, role);
    case 2: return SecondStop(v, m, reel, role);
    default: return LastReelSlide(v, reel, m.targetSymbol);
  }
}
