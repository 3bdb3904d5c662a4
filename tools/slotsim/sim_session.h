// A simulated customer playing one machine by automatic operation, tick by tick, through the
// same code the games run, with counters of what happened.
#pragma once

#include <cstdint>

#include "machine/machine_model.h"
#include "machine/machine_record.h"

struct SimTotals {
  int64_t games = 0;
  int64_t medalsIn = 0;    // medals bet
  int64_t medalsOut = 0;   // medals paid
  int64_t medalsBought = 0;
  int64_t big = 0;         // big bonuses started
  int64_t regular = 0;     // JAC stages started outside a big bonus
  int64_t single = 0;      // single bonuses started
  int64_t jacStages = 0;   // every JAC stage, those of big bonuses included
  int64_t ticks = 0;
};

struct SimSession {
  const MachineModel* model = nullptr;
  MachineRecord machine{};
  SimTotals totals;
  int bigGamesAtLastEnd = 0;
};

// A fresh machine (full reset, the given setting 1..6) with a customer and 50 medals.
void StartSession(SimSession& s, const MachineModel& model, int setting, uint32_t seed);

// One tick: the counters, automatic operation, the machine's step, and the bookkeeping of a
// game that has just ended (a customer out of medals buys 50 more).
void SessionTick(SimSession& s);

// Plays until the given number of games has ended.
void PlayGames(SimSession& s, int64_t games);

// Counts a game that has just ended on m (state 6) into t. bigGamesAtLastEnd holds the
// machine's big bonus games at its previous game end and is brought up to date: a big bonus is
// counted once, when it starts, although a JAC stage lined up with it keeps all thirty general
// games for the whole stage.
void CountEndedGame(const MachineRecord& m, SimTotals& t, int& bigGamesAtLastEnd);
