// Works out the pay table from the machine's own payout routine: each line of counted symbols is
// put on the reels' middle row of a fresh record and scored with a bet of one medal.
#include "tools/helpgen/pay_rules.h"

#include <algorithm>
#include <map>

#include "machine/reel_geometry.h"

namespace {

// Strip index of reel r that shows the counted symbol, or -1.
int StripIndexOf(const MachineModel& model, int reel, int symbol, bool jacPlay) {
  for (int i = 0; i < kStripLength; ++i) {
    if (CountedSymbol(model, model.strips[reel][i], jacPlay) == symbol) return i;
  }
  return -1;
}

// The result most lines of the group share (the smaller result on a tie, for a stable table).
LineResult MostCommon(const std::vector<LineResult>& results) {
  std::map<std::pair<int, int>, int> counts;
  for (const LineResult& r : results) ++counts[{r.medals, r.effects}];
  std::pair<int, int> best{0, 0};
  int bestCount = -1;
  for (const auto& [key, count] : counts) {
    if (count > bestCount) {
      best = key;
      bestCount = count;
    }
  }
  return LineResult{best.first, best.second};
}

PayRow ExactRow(int a, int b, int c, LineResult result) {
  PayRow row;
  row.symbols[0] = {a};
  row.symbols[1] = {b};
  row.symbols[2] = {c};
  row.result = result;
  return row;
}

// Bonuses first (big, regular, single), then by medals.
int EffectRank(int effects) {
  if (effects & EffectBigBonus) return 0;
  if (effects & EffectJacStage) return 1;
  if (effects & EffectSingleBonus) return 2;
  return 3;
}

void SortRows(std::vector<PayRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const PayRow& x, const PayRow& y) {
    if (EffectRank(x.result.effects) != EffectRank(y.result.effects)) {
      return EffectRank(x.result.effects) < EffectRank(y.result.effects);
    }
    return x.result.medals > y.result.medals;
  });
}

// The result of every line of counted symbols the reels can show, by reel-1, reel-2, reel-3.
struct LineTable {
  std::vector<int> reels[kReelCount];
  std::vector<LineResult> results;  // reel 3 fastest
  const LineResult& At(size_t a, size_t b, size_t c) const {
    return results[(a * reels[1].size() + b) * reels[2].size() + c];
  }
};

template <typename Score>
LineTable MakeLineTable(const MachineModel& model, bool jacPlay, Score score) {
  LineTable table;
  for (int r = 0; r < kReelCount; ++r) table.reels[r] = ReelSymbols(model, r, jacPlay);
  for (int a : table.reels[0]) {
    for (int b : table.reels[1]) {
      for (int c : table.reels[2]) table.results.push_back(score(a, b, c));
    }
  }
  return table;
}

bool ReadsLikeTable(const std::vector<PayRow>& rows, const LineTable& table) {
  for (size_t a = 0; a < table.reels[0].size(); ++a) {
    for (size_t b = 0; b < table.reels[1].size(); ++b) {
      for (size_t c = 0; c < table.reels[2].size(); ++c) {
        if (ReadRows(rows, table.reels[0][a], table.reels[1][b], table.reels[2][c]) !=
            table.At(a, b, c)) {
          return false;
        }
      }
    }
  }
  return true;
}

bool NamesEveryReel(const PayRow& row) {
  return !row.symbols[0].empty() && !row.symbols[1].empty() && !row.symbols[2].empty();
}

// Joins two rows of equal result into one that accepts either's symbols on each reel, as long
// as the table still reads every line the same (BAR or bell lines, for example, become one row
// below the BAR line that starts a bonus).
void JoinRows(std::vector<PayRow>& rows, const LineTable& table) {
  for (bool joined = true; joined;) {
    joined = false;
    for (size_t i = 0; i < rows.size() && !joined; ++i) {
      for (size_t j = i + 1; j < rows.size() && !joined; ++j) {
        if (rows[i].result != rows[j].result || !NamesEveryReel(rows[i]) ||
            !NamesEveryReel(rows[j])) {
          continue;
        }
        std::vector<PayRow> tried = rows;
        for (int r = 0; r < kReelCount; ++r) {
          std::vector<int>& set = tried[i].symbols[r];
          set.insert(set.end(), rows[j].symbols[r].begin(), rows[j].symbols[r].end());
          std::sort(set.begin(), set.end());
          set.erase(std::unique(set.begin(), set.end()), set.end());
        }
        tried.erase(tried.begin() + static_cast<long>(j));
        if (ReadsLikeTable(tried, table)) {
          rows = tried;
          joined = true;
        }
      }
    }
  }
}

// The rows that read like the table. Lines whose reel 1 alone decides (a cherry) become one row
// with any symbol on reels 2 and 3, lines decided by reels 1 and 2 one row with any symbol on
// reel 3; every other line that differs is a row of its own. Specific rows stand above general
// ones, and rows are joined where the table allows.
std::vector<PayRow> RowsOf(const LineTable& table) {
  const std::vector<int>* reels = table.reels;
  std::vector<PayRow> exact, byTwo, byOne;
  for (size_t a = 0; a < reels[0].size(); ++a) {
    std::vector<LineResult> withA;
    for (size_t b = 0; b < reels[1].size(); ++b) {
      for (size_t c = 0; c < reels[2].size(); ++c) withA.push_back(table.At(a, b, c));
    }
    LineResult commonA = MostCommon(withA);
    if (commonA != LineResult{}) {
      PayRow row;
      row.symbols[0] = {reels[0][a]};
      row.result = commonA;
      byOne.push_back(row);
    }
    for (size_t b = 0; b < reels[1].size(); ++b) {
      std::vector<LineResult> withAB(withA.begin() + static_cast<long>(b * reels[2].size()),
                                     withA.begin() + static_cast<long>((b + 1) * reels[2].size()));
      LineResult commonAB = MostCommon(withAB);
      if (commonAB != commonA) {
        PayRow row;
        row.symbols[0] = {reels[0][a]};
        row.symbols[1] = {reels[1][b]};
        row.result = commonAB;
        byTwo.push_back(row);
      }
      for (size_t c = 0; c < reels[2].size(); ++c) {
        if (withAB[c] != commonAB) {
          exact.push_back(ExactRow(reels[0][a], reels[1][b], reels[2][c], withAB[c]));
        }
      }
    }
  }
  SortRows(exact);
  SortRows(byTwo);
  SortRows(byOne);
  std::vector<PayRow> rows = exact;
  rows.insert(rows.end(), byTwo.begin(), byTwo.end());
  rows.insert(rows.end(), byOne.begin(), byOne.end());
  JoinRows(rows, table);
  return rows;
}

}  // namespace

int CountedSymbol(const MachineModel& model, int code, bool jacPlay) {
  return TranslateSymbol(model, code, jacPlay);
}

std::vector<int> ReelSymbols(const MachineModel& model, int reel, bool jacPlay) {
  std::vector<int> symbols;
  for (int i = 0; i < kStripLength; ++i) {
    symbols.push_back(CountedSymbol(model, model.strips[reel][i], jacPlay));
  }
  std::sort(symbols.begin(), symbols.end());
  symbols.erase(std::unique(symbols.begin(), symbols.end()), symbols.end());
  return symbols;
}

LineResult ScoreLine(const MachineModel& model, PlayContext context, bool jacPlay, int a, int b,
                     int c) {
  MachineRecord m{};
  m.bet = 1;  // the middle line alone
  m.targetSymbol = jacPlay ? model.jacSymbol : model.noRoleSymbol;
  m.roleFlags = 0xFFFF;
  if (context == ContextBigBonus) m.bigGames = 20;
  if (context == ContextJacGame) {
    m.jacWins = 6;
    m.jacGames = 12;
  }
  const int line[kReelCount] = {a, b, c};
  for (int r = 0; r < kReelCount; ++r) {
    int index = StripIndexOf(model, r, line[r], jacPlay);
    if (index < 0) return LineResult{};
    int top = Mod21(index - 1);  // the middle row shows the strip index after the top row's
    m.reelPos[r] = (top == 0 ? kStripLength : top) * model.symbolHeight;
  }
  LineResult result;
  result.medals = model.payout(model, m);
  if (m.bigGames == kMarker) result.effects |= EffectBigBonus;
  if (m.jacWins == kMarker) result.effects |= EffectJacStage;
  if (m.singleBonus == kMarker) result.effects |= EffectSingleBonus;
  return result;
}

std::vector<PayRow> OrdinaryPayRows(const MachineModel& model) {
  return RowsOf(MakeLineTable(model, false, [&](int a, int b, int c) {
    return ScoreLine(model, ContextOrdinary, false, a, b, c);
  }));
}

std::vector<PayRow> JacInRows(const MachineModel& model, bool* jacPlay) {
  // Machines whose big bonus makes an ordinary line start the JAC stage (a plum or grapes line)
  // have that line as JAC-in; the others line up the JAC symbol, which dual symbols become when
  // the lottery gives the JAC-in. Lines that start a JAC stage in any game (the regular bonus)
  // are not the JAC-in.
  std::vector<PayRow> rows = RowsOf(MakeLineTable(model, false, [&](int a, int b, int c) {
    LineResult result = ScoreLine(model, ContextBigBonus, false, a, b, c);
    bool jacIn = (result.effects & EffectJacStage) &&
                 result != ScoreLine(model, ContextOrdinary, false, a, b, c);
    return jacIn ? result : LineResult{};
  }));
  if (jacPlay != nullptr) *jacPlay = rows.empty();
  if (!rows.empty()) return rows;
  const int jac = model.jacSymbol;
  return RowsOf(MakeLineTable(model, true, [&](int a, int b, int c) {
    LineResult result = ScoreLine(model, ContextBigBonus, true, a, b, c);
    bool jacIn = a == jac && b == jac && c == jac && (result.effects & EffectJacStage);
    return jacIn ? result : LineResult{};
  }));
}

std::vector<PayRow> JacGameRows(const MachineModel& model) {
  const int jac = model.jacSymbol;
  return RowsOf(MakeLineTable(model, true, [&](int a, int b, int c) {
    bool jacLine = a == jac && b == jac && c == jac;
    return jacLine ? ScoreLine(model, ContextJacGame, true, a, b, c) : LineResult{};
  }));
}

LineResult ReadRows(const std::vector<PayRow>& rows, int a, int b, int c) {
  const int line[kReelCount] = {a, b, c};
  for (const PayRow& row : rows) {
    bool matches = true;
    for (int r = 0; r < kReelCount; ++r) {
      const std::vector<int>& set = row.symbols[r];
      if (!set.empty() && std::find(set.begin(), set.end(), line[r]) == set.end()) matches = false;
    }
    if (matches) return row.result;
  }
  return LineResult{};
}
