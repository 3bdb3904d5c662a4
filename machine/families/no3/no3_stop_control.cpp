// Stop control of machine No.3: the role served chooses line and symbol at the first stop; a
// bonus whose symbol does not come is shown as the high mode's sevens that fail to line up.
#include "machine/families/no3/no3_family.h"
#include "machine/game_random.h"
#include "machine/pay_lines.h"
#include "machine/stop_search.h"

namespace {

struct Stop {
  const MachineModel& model;
  MachineRecord& m;
  int reel;
  int ordinal;  // 1, 2 or 3
};

int Find(const Stop& s, int row, int target) { return No3FindSlide(s.model, s.m, row, s.reel, target); }

bool Brings(const Stop& s, int row, int n, int target) {
  return No3Symbol(s.model, s.m, s.reel, row, n, target) == target;
}

// A red seven on the row, else a seven on a bar.
int SevenOnRow(const Stop& s, int row) {
  int n = Find(s, row, No3SymbolRedSeven);
  return Brings(s, row, n, No3SymbolRedSeven) ? n : Find(s, row, No3SymbolBarSeven);
}

// The rule of a game without role: anything that lines nothing up.
int NoRoleStop(const Stop& s) {
  switch (s.ordinal) {
    case 1:
      s.m.targetLine = LineDiagonalDown;
      s.m.targetSymbol = No3SymbolAny;
      return Find(s, RowTop, No3SymbolAny);
    case 2:
      return Find(s, RowTop, s.m.targetSymbol);
    default:
      return No3LastReelSlide(s.model, s.m, s.reel, s.m.targetSymbol);
  }
}

// The high mode's sevens: shown on the reels, never completed.
int HighModeStop(const Stop& s) {
  s.m.targetSymbol = No3SymbolSevens;
  if (s.ordinal == 1) return SevenOnRow(s, GameRand() % 3);
  if (s.ordinal == 2) {
    if (s.m.reelState[0] != 0) return NoRoleStop(s);
    int row = -1;
    for (int r = RowTop; r <= RowBottom && row < 0; ++r) {
      int shown = No3Symbol(s.model, s.m, 0, r, 0, No3SymbolSevens);
      if (shown == No3SymbolRedSeven || shown == No3SymbolBarSeven) row = r;
    }
    if (row < 0) return NoRoleStop(s);
    if (row == RowBottom) row = s.reel == 1 ? RowMiddle : RowTop;
    return SevenOnRow(s, row);
  }
  if (s.reel == 0) return No3LastReelSlide(s.model, s.m, 0, No3SymbolSevens);
  No3Reach reach = No3ReachList(s.model, s.m, s.reel);
  bool sevenEntry = false, anyEntry = false;
  for (int i = 0; i < reach.count; ++i) {
    if (reach.symbol[i] != No3SymbolRedSeven) continue;
    sevenEntry = true;
    int n = Find(s, reach.row[i], No3SymbolBarSeven);
    if (Brings(s, reach.row[i], n, No3SymbolBarSeven)) return n;
  }
  for (int i = 0; i < reach.count; ++i) {
    if (reach.symbol[i] != No3SymbolBarSeven) continue;
    sevenEntry = true;
    int n = Find(s, reach.row[i], No3SymbolRedSeven);
    if (Brings(s, reach.row[i], n, No3SymbolRedSeven)) return n;
  }
  for (int i = 0; i < reach.count; ++i) anyEntry = anyEntry || reach.symbol[i] == No3SymbolSevens;
  if (!sevenEntry && anyEntry) {
    for (int i = 0; i < reach.count; ++i) {
      if (reach.symbol[i] != No3SymbolSevens) continue;
      int n = Find(s, reach.row[i], No3SymbolBarSeven);
      if (Brings(s, reach.row[i], n, No3SymbolBarSeven)) return n;
      break;
    }
  }
  return No3LastReelSlide(s.model, s.m, s.reel, No3SymbolSevens);
}

int BarLine(const MachineRecord& m) {
  switch (m.bet) {
    case 1: return LineMiddle;
    case 2: return GameRand() % 2 == 0 ? LineTop : LineMiddle;
    case 3: {
      static const int kLines[] = {LineDiagonalDown, LineTop, LineMiddle};
      return kLines[GameRand() % 3];
    }
    default: return m.targetLine;
  }
}

// The usual three stops toward the line and symbol chosen at the first.
int AimedStop(const Stop& s, int line, int target) {
  if (s.ordinal == 1) {
    s.m.targetLine = line;
    s.m.targetSymbol = target;
  }
  if (s.ordinal == 3) return No3LastReelSlide(s.model, s.m, s.reel, s.m.targetSymbol);
  return Find(s, RowOf(s.m.targetLine, s.reel), s.m.targetSymbol);
}

// Sevens and BARs of the two bonuses: a stop that cannot bring its symbol shows the high
// mode's failing sevens instead.
int BonusStop(const Stop& s, int line, int target) {
  int n = AimedStop(s, line, target);
  int row = RowOf(s.m.targetLine, s.reel);
  if (Brings(s, row, n, s.m.targetSymbol)) return n;
  return HighModeStop(s);
}

int SingleStop(const Stop& s) {
  int line = s.ordinal == 1 ? BonusLine(s.m) : s.m.targetLine;
  int n = AimedStop(s, line, No3SymbolBarSeven);
  int row = RowOf(s.m.targetLine, s.reel);
  // Reel 1 first may take the red seven: red seven, bar seven, bar seven pays the same.
  if (s.ordinal == 1 && s.reel == 0 && !Brings(s, row, n, No3SymbolBarSeven)) {
    n = Find(s, row, No3SymbolRedSeven);
  }
  return n;
}

// A peach on any row of reel 1 when it is among the first two stops; the other reels stop as
// in a game without role.
int PeachStop(const Stop& s) {
  if (s.reel != 0 || s.ordinal == 3) return NoRoleStop(s);
  if (s.ordinal == 1) {
    s.m.targetLine = LineDiagonalDown;
    s.m.targetSymbol = No3SymbolAny;
  }
  return Find(s, GameRand() % 3, No3SymbolPeach);
}

}  // namespace

int No3ServedRole(const MachineRecord& m, int stop) {
  if ((m.roleFlags & No3RoleHighMode) || (stop >= 2 && m.targetSymbol == No3SymbolSevens)) {
    return No3RoleHighMode;
  }
  if (m.roleFlags & No3RoleJac) return No3RoleJac;
  if (m.jacWins > 0) return 0;
  static const int kOrder[] = {No3RoleOrange, No3RolePlum,    No3RolePeachPair, No3RolePeach,
                               No3RoleSingle, No3RoleRegular, No3RoleBig};
  for (int role : kOrder) {
    if (m.roleFlags & role) return role;
  }
  return 0;
}

int No3StopControl(const MachineModel& model, MachineRecord& m, int reel) {
  Stop s{model, m, reel, StopsInGame(m)};
  switch (No3ServedRole(m, s.ordinal)) {
    case No3RoleHighMode:
      return HighModeStop(s);
    case No3RoleJac:
      return AimedStop(s, LineMiddle, No3SymbolJac);
    case No3RoleBig:
      return BonusStop(s, s.ordinal == 1 ? SpreadLine(m) : m.targetLine, No3SymbolRedSeven);
    case No3RoleRegular:
      return BonusStop(s, s.ordinal == 1 ? BarLine(m) : m.targetLine, No3SymbolBar);
    case No3RoleSingle:
      return SingleStop(s);
    case No3RolePeachPair:
      return AimedStop(s, s.ordinal == 1 ? BonusLine(m) : m.targetLine, No3SymbolPeachPair);
    case No3RolePlum:
      return AimedStop(s, s.ordinal == 1 ? BonusLine(m) : m.targetLine, No3SymbolPlum);
    case No3RoleOrange:
      return AimedStop(s, s.ordinal == 1 ? BonusLine(m) : m.targetLine, No3SymbolOrange);
    case No3RolePeach:
      return PeachStop(s);
    default:
      return NoRoleStop(s);
  }
}
