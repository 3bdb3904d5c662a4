// Stop-control searches shared by the machines that search for their slides: bounded to seven
// candidate slides, each checked against at most five prepared lines.
#include "machine/stop_search.h"

#include "machine/game_random.h"
#include "machine/pay_lines.h"
#include "machine/reel_geometry.h"

int SearchSymbol(const StopView& v, int reel, int row, int n, int target) {
  bool jacPlay = JacPlayInForce(v.m, target == v.model.jacSymbol);
  return SymbolAfter(v.model, v.m, reel, row, n, jacPlay);
}

bool CherryForbidden(const StopView& v, int target, int reel, int n) {
  if (reel != 0 || v.rules.cherrySymbol < 0) return false;
  if (target >= 0 && target < 31 && (v.rules.cherryFreeTargets & (1 << target))) return false;
  for (int row = 0; row < 3; ++row) {
    if (SearchSymbol(v, reel, row, n, target) == v.rules.cherrySymbol) return true;
  }
  return false;
}

int FindSlide(const StopView& v, int row, int reel, int target) {
  const int anySymbol = v.model.noRoleSymbol;
  for (int n = 0; n <= kMaxSlide; ++n) {
    int s = SearchSymbol(v, reel, row, n, target);
    if ((s == target || target == anySymbol) && !CherryForbidden(v, target, reel, n)) return n;
  }
  if (v.rules.fallbackSmallest) {
    for (int n = 0; n <= kMaxSlide; ++n) {
      if (!CherryForbidden(v, anySymbol, reel, n)) return n;
    }
    return kMaxSlide + 1;
  }
  for (int n = kMaxSlide; n >= 0; --n) {
    if (!CherryForbidden(v, anySymbol, reel, n)) return n;
  }
  return -1;
}

int StopsInGame(const MachineRecord& m) {
  int k = 0;
  for (int r = 0; r < kReelCount; ++r) {
    if (m.reelState[r] <= 0) ++k;
  }
  return k;
}

ReachList BuildReachList(const StopView& v, int reel) {
  ReachList list{};
  bool jacPlay = JacPlayInForce(v.m, v.m.targetSymbol == v.model.jacSymbol);
  int lines = ActiveLines(v.m.bet);
  int a = reel == 0 ? 1 : 0;  // the two other reels, left to right
  int b = reel == 2 ? 1 : 2;
  for (int line : kLineOrder) {
    if (!(lines & line)) continue;
    int sa = SymbolAfter(v.model, v.m, a, RowOf(line, a), 0, jacPlay);
    int sb = SymbolAfter(v.model, v.m, b, RowOf(line, b), 0, jacPlay);
    int completing = sa == sb ? 1 << sa : 0;
    if (v.rules.mixedLine) completing |= v.rules.mixedLine(sa, sb);
    if (completing) list.entry[list.count++] = ReachEntry{RowOf(line, reel), sa == sb ? sa : -1, completing};
  }
  return list;
}

bool CompletesReach(const StopView& v, const ReachList& list, int reel, int n) {
  bool jacPlay = JacPlayInForce(v.m, v.m.targetSymbol == v.model.jacSymbol);
  for (int i = 0; i < list.count; ++i) {
    int s = SymbolAfter(v.model, v.m, reel, list.entry[i].row, n, jacPlay);
    if (list.entry[i].completing & (1 << s)) return true;
  }
  return false;
}

int LastReelSlide(const StopView& v, int reel, int target) {
  ReachList list = BuildReachList(v, reel);
  if (target == v.model.noRoleSymbol) {
    for (int n = 0; n <= kMaxSlide; ++n) {
      if (!CompletesReach(v, list, reel, n) && !CherryForbidden(v, target, reel, n)) return n;
    }
    return kMaxSlide + 1;
  }
  int start = kMaxSlide;
  for (int i = 0; i < list.count; ++i) {
    if (list.entry[i].symbol != target) continue;
    int row = list.entry[i].row;
    int n = FindSlide(v, row, reel, target);
    if (SearchSymbol(v, reel, row, n, target) == target) return n;  // the role is lined up
    // The search below starts under the slide that missed. When nothing is left below it
    // (a machine whose failed search falls back to the smallest slide), the reel would spin
    // on at every position and never stop: search all slides instead, as when no prepared
    // line carries the target.
    start = n - 1 >= 0 ? n - 1 : kMaxSlide;
    break;
  }
  for (int n = start; n >= 0; --n) {
    if (!CompletesReach(v, list, reel, n) && !CherryForbidden(v, target, reel, n)) return n;
  }
  return -1;
}

int BonusLine(const MachineRecord& m) {
  static const int kBet2[] = {LineTop, LineBottom};
  static const int kBet3[] = {LineDiagonalDown, LineTop, LineBottom, LineDiagonalUp};
  switch (m.bet) {
    case 1: return LineMiddle;
    case 2: return kBet2[GameRand() % 2];
    case 3: return kBet3[GameRand() % 4];
    default: return m.targetLine;
  }
}

int SpreadLine(const MachineRecord& m) {
  static const int kBet2[] = {LineTop, LineMiddle, LineBottom};
  static const int kBet3[] = {LineDiagonalDown, LineTop, LineMiddle, LineBottom, LineDiagonalUp};
  switch (m.bet) {
    case 1: return LineMiddle;
    case 2: return kBet2[GameRand() % 3];
    case 3: return kBet3[GameRand() % 5];
    default: return m.targetLine;
  }
}

int FirstSlideCompletingNothing(const StopView& v, int reel) {
  ReachList list = BuildReachList(v, reel);
  for (int n = 0; n <= kMaxSlide; ++n) {
    if (!CompletesReach(v, list, reel, n)) return n;
  }
  return kMaxSlide + 1;
}
