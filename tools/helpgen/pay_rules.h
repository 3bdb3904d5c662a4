// The pay table as a player reads it, worked out from the machine's own scoring: every line of
// symbols is scored by the model's payout routine, and the results are folded into a few rows.
#pragma once

#include <vector>

#include "machine/machine_model.h"

// What a line starts besides its medals.
enum PayEffect {
  EffectNone = 0,
  EffectBigBonus = 1,
  EffectJacStage = 2,   // a regular bonus in ordinary play, the JAC-in in a big bonus
  EffectSingleBonus = 4,
};

struct LineResult {
  int medals = 0;
  int effects = 0;
  bool operator==(const LineResult& other) const {
    return medals == other.medals && effects == other.effects;
  }
  bool operator!=(const LineResult& other) const { return !(*this == other); }
};

// The situation a line is scored in.
enum PlayContext {
  ContextOrdinary,    // a game outside any bonus
  ContextBigBonus,    // a general game of a big bonus
  ContextJacGame,     // a game of a JAC stage
};

// One row of the table: per reel the counted symbols it accepts (empty: any symbol). Rows are
// read from the top; the first row a line matches gives its result.
struct PayRow {
  std::vector<int> symbols[kReelCount];
  LineResult result;
};

// The counted symbol of a strip code in a context (dual symbols count differently in JAC play).
int CountedSymbol(const MachineModel& model, int code, bool jacPlay);

// The counted symbols that reel r can show in JAC play or ordinary play, ascending.
std::vector<int> ReelSymbols(const MachineModel& model, int reel, bool jacPlay);

// Scores the middle line showing the counted symbols a, b, c (each must be on its reel).
LineResult ScoreLine(const MachineModel& model, PlayContext context, bool jacPlay, int a, int b,
                     int c);

// Every line that pays or starts something in ordinary games, most specific rows first.
std::vector<PayRow> OrdinaryPayRows(const MachineModel& model);

// The lines that start a JAC stage in a general game of a big bonus (the JAC-in); *jacPlay
// tells whether their symbols are counted as in JAC play (the JAC symbol) or as usual.
std::vector<PayRow> JacInRows(const MachineModel& model, bool* jacPlay = nullptr);

// The winning line of a JAC game.
std::vector<PayRow> JacGameRows(const MachineModel& model);

// The result the rows give for a line (the first matching row; nothing when none matches).
LineResult ReadRows(const std::vector<PayRow>& rows, int a, int b, int c);
