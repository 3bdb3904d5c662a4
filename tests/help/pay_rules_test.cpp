// The pay table of the help is made from each machine's scoring: it must read every line the
// way the machine pays it, and show the rows a player of each machine expects.
#include <gtest/gtest.h>

#include "machine/machine_catalog.h"
#include "tools/helpgen/pay_rules.h"

namespace {

PayRow Row(std::vector<int> a, std::vector<int> b, std::vector<int> c, int medals, int effects) {
  PayRow row;
  row.symbols[0] = a;
  row.symbols[1] = b;
  row.symbols[2] = c;
  row.result = {medals, effects};
  return row;
}

// Lines of the table that read differently from the machine's own scoring.
int Disagreements(const MachineModel& model, const std::vector<PayRow>& rows) {
  int wrong = 0;
  for (int a : ReelSymbols(model, 0, false)) {
    for (int b : ReelSymbols(model, 1, false)) {
      for (int c : ReelSymbols(model, 2, false)) {
        if (ReadRows(rows, a, b, c) != ScoreLine(model, ContextOrdinary, false, a, b, c)) ++wrong;
      }
    }
  }
  return wrong;
}

bool SameRows(const std::vector<PayRow>& got, const std::vector<PayRow>& expected) {
  if (got.size() != expected.size()) return false;
  for (size_t i = 0; i < got.size(); ++i) {
    for (int r = 0; r < kReelCount; ++r) {
      if (got[i].symbols[r] != expected[i].symbols[r]) return false;
    }
    if (got[i].result != expected[i].result) return false;
  }
  return true;
}

TEST(PayRules, EveryMachinesTableReadsEveryLineAsItsScoring) {
  for (int game = 1; game <= 7; ++game) {
    const MachineModel& model = *MachineModelOfGame(game);
    std::vector<PayRow> rows = OrdinaryPayRows(model);
    EXPECT_EQ(Disagreements(model, rows), 0) << "machine No." << game;
    EXPECT_GE(rows.size(), 4u) << "machine No." << game;
    // Negative control: without its last row (a cherry or a fruit) the table must be caught.
    rows.pop_back();
    EXPECT_GT(Disagreements(model, rows), 0) << "machine No." << game;
  }
}

TEST(PayRules, OrlidoPaysAsItsPlayersKnowIt) {
  const std::vector<PayRow> expected = {
      Row({0}, {0}, {0}, 15, EffectBigBonus),      Row({1}, {1}, {1}, 15, EffectJacStage),
      Row({3}, {3}, {3}, 10, EffectSingleBonus),   Row({4}, {4}, {4}, 10, EffectSingleBonus),
      Row({2}, {2}, {2}, 8, EffectNone),           Row({5}, {5}, {5}, 8, EffectNone),
      Row({6}, {6}, {6}, 8, EffectNone),           Row({2}, {2}, {}, 5, EffectNone),
      Row({2}, {}, {}, 2, EffectNone),
  };
  EXPECT_TRUE(SameRows(OrdinaryPayRows(kMachineNo1), expected));
  EXPECT_TRUE(SameRows(OrdinaryPayRows(kMachineNo6), expected));
}

TEST(PayRules, MixedLinesBecomeOneRowBelowTheBonusLine) {
  // Pembrix 7: any line of BARs and bells pays as bells, three BARs start the regular bonus.
  std::vector<PayRow> rows = OrdinaryPayRows(kMachineNo4);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_TRUE(SameRows({rows[1]}, {Row({1}, {1}, {1}, 15, EffectJacStage)}));
  EXPECT_TRUE(SameRows({rows[2]}, {Row({1, 3}, {1, 3}, {1, 3}, 15, EffectNone)}));
  // Tarnolet 3: a red seven before two bar sevens is a single bonus like three bar sevens.
  rows = OrdinaryPayRows(kMachineNo3);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_TRUE(SameRows({rows[2]}, {Row({0, 1}, {1}, {1}, 6, EffectSingleBonus)}));
}

TEST(PayRules, JacInIsTheLineTheBigBonusTurnsIntoAStage) {
  // The JAC symbol in the families that line it up, the plum and grapes lines in the others;
  // never the regular bonus line, which starts a stage in any game.
  bool jacPlay = false;
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo1, &jacPlay), {Row({9}, {9}, {9}, 0, EffectJacStage)}));
  EXPECT_TRUE(jacPlay);
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo3, &jacPlay), {Row({7}, {7}, {7}, 6, EffectJacStage)}));
  EXPECT_FALSE(jacPlay);
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo2), {Row({9}, {9}, {9}, 0, EffectJacStage)}));
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo3), {Row({7}, {7}, {7}, 6, EffectJacStage)}));
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo4), {Row({7}, {7}, {7}, 15, EffectJacStage)}));
  EXPECT_TRUE(SameRows(JacInRows(kMachineNo5), {Row({10}, {10}, {10}, 0, EffectJacStage)}));
}

TEST(PayRules, AJacGameWinPaysFifteenOnEveryMachine) {
  for (int game = 1; game <= 7; ++game) {
    const MachineModel& model = *MachineModelOfGame(game);
    int jac = model.jacSymbol;
    EXPECT_TRUE(SameRows(JacGameRows(model), {Row({jac}, {jac}, {jac}, 15, EffectNone)}))
        << "machine No." << game;
  }
}

TEST(PayRules, LinesThatCannotStandOnTheReelsAreNotInTheTable) {
  // Brakolo's strips hold no apple on reel 2 and no grapes on reel 3: its table has neither line.
  for (const PayRow& row : OrdinaryPayRows(kMachineNo7)) {
    for (int r = 0; r < kReelCount; ++r) {
      for (int symbol : row.symbols[r]) {
        std::vector<int> onReel = ReelSymbols(kMachineNo7, r, false);
        EXPECT_NE(std::find(onReel.begin(), onReel.end(), symbol), onReel.end());
      }
    }
  }
  EXPECT_EQ(ScoreLine(kMachineNo7, ContextOrdinary, false, 6, 6, 6), LineResult{});
}

}  // namespace
