// Stop control of machine No.4: the searches of machine No.1 with this machine's targets and
// lines, a second chance for bells through BARs, and a quiet first stop without role.
#include "machine/families/no4/no4_family.h"
#include "machine/game_random.h"
#include "machine/pay_lines.h"
#include "machine/stop_search.h"

namespace {

// A line of BARs and bells mixed pays as bells: with only BARs and bells on the other two
// reels, either completes it.
int BarsAndBellsLine(int a, int b) {
  const int barsAndBells = (1 << No4SymbolBar) | (1 << No4SymbolBell);
  return (barsAndBells & (1 << a)) && (barsAndBells & (1 << b)) ? barsAndBells : 0;
}

const StopRules kNo4StopRules = {
    No4SymbolCherry,
    (1 << No4SymbolFever) | (1 << No4SymbolBar) | (1 << No4SymbolCherry),
    false,
    BarsAndBellsLine,
};

bool HoldsBonusRole(const MachineRecord& m) {
  return (m.roleFlags & (No4RoleBig | No4RoleRegular)) != 0;
}

// Grapes and oranges stay on the middle line while a bonus role waits.
int SmallRoleLine(const MachineRecord& m) {
  return HoldsBonusRole(m) ? LineMiddle : BonusLine(m);
}

int BellLine(const MachineRecord& m) {
  switch (m.bet) {
    case 1:
      return LineMiddle;
    case 2:
      return HoldsBonusRole(m) ? LineTop : LineBottom;
    case 3:
      if (HoldsBonusRole(m)) return GameRand() % 2 == 1 ? LineTop : LineDiagonalUp;
      {
        static const int kLines[] = {LineDiagonalDown, LineMiddle, LineBottom};
        return kLines[GameRand() % 3];
      }
    default:
      return m.targetLine;
  }
}

// Reel 1 stopped first in a game without role shows no BAR on top, no fever mark or apple at
// the bottom, and no cherry.
int QuietFirstReel(const StopView& v, int reel) {
  for (int n = 0; n <= kMaxSlide; ++n) {
    int top = SearchSymbol(v, reel, RowTop, n, No4SymbolAny);
    int bottom = SearchSymbol(v, reel, RowBottom, n, No4SymbolAny);
    if (top == No4SymbolBar || bottom == No4SymbolFever || bottom == No4SymbolApple) continue;
    if (CherryForbidden(v, No4SymbolAny, reel, n)) continue;
    return n;
  }
  return FindSlide(v, RowTop, reel, No4SymbolAny);
}

int Aim(const StopView& v, MachineRecord& m, int reel, int line, int symbol) {
  m.targetLine = line;
  m.targetSymbol = symbol;
  return FindSlide(v, RowOf(line, reel), reel, symbol);
}

int FirstStop(const StopView& v, MachineRecord& m, int reel, int role) {
  switch (role) {
    case No4RoleJac:
      return Aim(v, m, reel, LineMiddle, No4SymbolJac);
    case No4RoleBig:
      return Aim(v, m, reel, BonusLine(m), No4SymbolFever);
    case No4RoleRegular:
      return Aim(v, m, reel, BonusLine(m), No4SymbolBar);
    case No4RoleApple:
      return Aim(v, m, reel, SpreadLine(m), No4SymbolApple);
    case No4RoleGrapes:
      return Aim(v, m, reel, SmallRoleLine(m), No4SymbolGrapes);
    case No4RoleBell:
      return Aim(v, m, reel, BellLine(m), No4SymbolBell);
    case No4RoleOrange: {
      // Mostly a cherry on reel 1 (which pays the orange role), else the oranges themselves.
      int symbol = GameRand() % 3 != 0 ? No4SymbolCherry : No4SymbolOrange;
      int n = Aim(v, m, reel, SmallRoleLine(m), symbol);
      int row = RowOf(m.targetLine, reel);
      if (SearchSymbol(v, reel, row, n, symbol) == symbol) return n;
      m.targetSymbol = No4SymbolOrange;
      return FindSlide(v, row, reel, No4SymbolOrange);
    }
    default:
      m.targetLine = LineDiagonalDown;
      m.targetSymbol = No4SymbolAny;
      if (reel == 0) return QuietFirstReel(v, reel);
      return FindSlide(v, RowTop, reel, No4SymbolAny);
  }
}

int SecondStop(const StopView& v, const MachineRecord& m, int reel, int role) {
  if (role == 0) return FindSlide(v, RowTop, reel, m.targetSymbol);
  int row = RowOf(m.targetLine, reel);
  int n = FindSlide(v, row, reel, m.targetSymbol);
  // A bell line may also be made with BARs: take a BAR where the bell does not come.
  if (role == No4RoleBell && SearchSymbol(v, reel, row, n, No4SymbolBell) != No4SymbolBell) {
    return FindSlide(v, row, reel, No4SymbolBar);
  }
  return n;
}

}  // namespace

int No4ServedRole(const MachineRecord& m) {
  if (m.roleFlags & No4RoleJac) return No4RoleJac;
  if (m.jacWins > 0) return 0;
  static const int kOrder[] = {No4RoleOrange, No4RoleGrapes, No4RoleApple, No4RoleBell,
                               No4RoleRegular, No4RoleBig};
  for (int role : kOrder) {
    if (m.roleFlags & role) return role;
  }
  return 0;
}

int No4StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  StopView v{model, m, kNo4StopRules};
  int role = No4ServedRole(m);
  switch (StopsInGame(m)) {
    case 1: return FirstStop(v, m, reel, role);
    case 2: return SecondStop(v, m, reel, role);
    default: return LastReelSlide(v, reel, m.targetSymbol);
  }
}
