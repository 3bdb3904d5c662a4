// The searches of machine No.3: a peach rule in place of the cherry rule, targets that accept
// more than one symbol, searches of their own for "any symbol" on reels 1 and 2, and a reach
// list that also knows the mixed lines and keeps sevens apart.
#include "machine/families/no3/no3_family.h"
#include "machine/pay_lines.h"
#include "machine/reel_geometry.h"
#include "machine/stop_search.h"

namespace {

bool IsSeven(int s) { return s == No3SymbolRedSeven || s == No3SymbolBarSeven; }

// Reel 1 shows no peach unless the target is a red seven or a peach.
bool PeachForbidden(const MachineModel& model, const MachineRecord& m, int target, int reel, int n) {
  if (reel != 0) return false;
  if (target == No3SymbolRedSeven || target == No3SymbolPeach || target == No3SymbolPeachPair) {
    return false;
  }
  for (int row = 0; row < 3; ++row) {
    if (No3Symbol(model, m, 0, row, n, target) == No3SymbolPeach) return true;
  }
  return false;
}

bool Accepts(int target, int s) {
  if (target == No3SymbolPeachPair) return s == No3SymbolPeach || s == No3SymbolPeachPair;
  if (target == No3SymbolAny) return true;
  return s == target;
}

// "Any symbol" on reel 1: nothing but a peach pair on top, no peach unless allowed.
int AnyOnReelOne(const MachineModel& model, const MachineRecord& m) {
  for (int n = 0; n <= kMaxSlide; ++n) {
    if (No3Symbol(model, m, 0, RowTop, n, No3SymbolAny) == No3SymbolPeachPair) continue;
    if (!PeachForbidden(model, m, No3SymbolAny, 0, n)) return n;
  }
  return -1;
}

// "Any symbol" on reel 2: nothing that would line up sevens or BARs with reel 1.
int AnyOnReelTwo(const MachineModel& model, const MachineRecord& m) {
  int top1 = No3Symbol(model, m, 0, RowTop, 0, No3SymbolAny);
  int mid1 = No3Symbol(model, m, 0, RowMiddle, 0, No3SymbolAny);
  for (int n = 0; n <= kMaxSlide; ++n) {
    int top2 = No3Symbol(model, m, 1, RowTop, n, No3SymbolAny);
    int mid2 = No3Symbol(model, m, 1, RowMiddle, n, No3SymbolAny);
    if (IsSeven(mid1) && IsSeven(mid2)) continue;
    if (top1 == No3SymbolBar && top2 == No3SymbolBar) continue;
    if (mid1 == No3SymbolBar && mid2 == No3SymbolBar) continue;
    if (top1 == No3SymbolBar && mid2 == No3SymbolBar) continue;
    return n;
  }
  return -1;
}

// When nothing qualifies: reel 1 at least keeps the peach away; the others stop at once.
int FallbackSlide(const MachineModel& model, const MachineRecord& m, int reel) {
  if (reel != 0) return 0;
  for (int n = 0; n <= kMaxSlide; ++n) {
    bool peach = false;
    for (int row = 0; row < 3; ++row) {
      peach = peach || No3Symbol(model, m, 0, row, n, No3SymbolAny) == No3SymbolPeach;
    }
    if (!peach) return n;
  }
  return kMaxSlide + 1;
}

}  // namespace

int No3Symbol(const MachineModel& model, const MachineRecord& m, int reel, int row, int n,
              int target) {
  return SymbolAfter(model, m, reel, row, n, JacPlayInForce(m, target == No3SymbolJac));
}

int No3FindSlide(const MachineModel& model, const MachineRecord& m, int row, int reel, int target) {
  int n = -1;
  if (target == No3SymbolAny && reel == 0) {
    n = AnyOnReelOne(model, m);
  } else if (target == No3SymbolAny && reel == 1) {
    n = AnyOnReelTwo(model, m);
  } else {
    for (int k = 0; k <= kMaxSlide && n < 0; ++k) {
      if (!Accepts(target, No3Symbol(model, m, reel, row, k, target))) continue;
      if (target == No3SymbolPeachPair || !PeachForbidden(model, m, target, reel, k)) n = k;
    }
  }
  return n >= 0 ? n : FallbackSlide(model, m, reel);
}

No3Reach No3ReachList(const MachineModel& model, const MachineRecord& m, int reel) {
  No3Reach reach{};
  bool jacPlay = JacPlayInForce(m, m.targetSymbol == No3SymbolJac);
  int open = ActiveLines(m.bet);
  for (int line : kLineOrder) {
    if (!(open & line)) continue;
    int row = RowOf(line, reel);
    int a, b;  // the two stopped reels' symbols on the line, reel 1's first when it is stopped
    if (reel != 0) {
      int other = reel == 1 ? 2 : 1;
      a = SymbolAfter(model, m, 0, RowOf(line, 0), 0, jacPlay);
      b = SymbolAfter(model, m, other, RowOf(line, other), 0, jacPlay);
      bool reaches = a == b || (a == No3SymbolRedSeven && b == No3SymbolBarSeven) ||
                     (a == No3SymbolPeach && b == No3SymbolPeachPair);
      if (reaches) {
        reach.row[reach.count] = row;
        reach.symbol[reach.count++] = b;
      }
    } else {
      a = SymbolAfter(model, m, 1, RowOf(line, 1), 0, jacPlay);
      b = SymbolAfter(model, m, 2, RowOf(line, 2), 0, jacPlay);
      if (a == b) {
        reach.row[reach.count] = row;
        reach.symbol[reach.count++] = b;
      }
    }
    if (IsSeven(a) && IsSeven(b)) {
      reach.row[reach.count] = row;
      reach.symbol[reach.count++] = No3SymbolSevens;
    }
  }
  return reach;
}

bool No3Completes(const MachineModel& model, const MachineRecord& m, const No3Reach& reach,
                  int reel, int n) {
  bool jacPlay = JacPlayInForce(m, m.targetSymbol == No3SymbolJac);
  for (int i = 0; i < reach.count; ++i) {
    int s = SymbolAfter(model, m, reel, reach.row[i], n, jacPlay);
    if (reach.symbol[i] == No3SymbolSevens ? IsSeven(s) : s == reach.symbol[i]) return true;
  }
  return false;
}

int No3LastReelSlide(const MachineModel& model, const MachineRecord& m, int reel, int target) {
  No3Reach reach = No3ReachList(model, m, reel);
  if (target != No3SymbolAny) {
    for (int i = 0; i < reach.count; ++i) {
      if (reach.symbol[i] != target) continue;
      int n = No3FindSlide(model, m, reach.row[i], reel, target);
      if (No3Symbol(model, m, reel, reach.row[i], n, target) == target) return n;
      break;
    }
  }
  for (int n = 0; n <= kMaxSlide; ++n) {
    if (!No3Completes(model, m, reach, reel, n) && !PeachForbidden(model, m, target, reel, n)) {
      return n;
    }
  }
  return kMaxSlide + 1;
}
