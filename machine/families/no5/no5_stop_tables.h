// Stop tables of machine No.5: sets of tables, one set per role served, and the JAC sequences
// that choose the table of each spin of a JAC stage.
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

// Bit i of reel r: the reel may come to rest with strip index i in its top row.
struct StopTable {
  uint32_t allowed[kReelCount];
};

struct StopTableSet {
  const StopTable* tables;
  int count;
};

enum No5TableSet {
  TableSetBig = 0,
  TableSetRegular,
  TableSetCherry,
  TableSetFruit,
  TableSetMelon,
  TableSetJac,
  TableSetBonusGame,
  TableSetNone,
  kNo5StopTableSetCount,
};

extern const StopTableSet kNo5StopTableSets[kNo5StopTableSetCount];

// Jac tables 0..6 serve JAC play, 7..11 the JAC-in of a big bonus general game.
constexpr int kJacInFirstTable = 7;

// The JAC sequences: the Jac table of each spin of a stage, used when 12, 9, 6 and 3 JAC
// games are left.
constexpr int kJacSequenceCount = 7;
constexpr int kJacSequences[kJacSequenceCount][4] = {
    {0, 0, 0, 0}, {3, 2, 1, 0}, {1, 3, 2, 0}, {2, 1, 3, 0},
    {3, 1, 2, 0}, {2, 3, 1, 0}, {4, 5, 6, 0},
};
