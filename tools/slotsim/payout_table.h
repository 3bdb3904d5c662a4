// The payout table: every machine at every setting, played in the hall the way the game plays
// it, until the payout rate is known to a given precision (95% confidence interval from batch
// means); beside the hall's customers, players who stop every reel at the best moment.
#pragma once

#include <cstdint>

struct TableCell {
  int machine;
  int setting;
  int64_t games;
  double payoutRate;  // medals paid per medal bet, the hall's customers
  double halfWidth;   // of the 95% confidence interval of the payout rate
  int64_t big, regular, single;
  int64_t bestGames;     // games of the best-moment players
  double bestRate;       // their payout rate
  double bestHalfWidth;  // and its interval
};

struct TableOptions {
  double halfWidth = 0.005;     // stop when the customers' interval is this narrow
  int64_t batchGames = 100000;  // customers' games per batch
  int minBatches = 30;
  int64_t maxGames = 200000000;
  // The best-moment players: six of the normal crowd's eight seats of the same hall, the
  // customers at the other two, to a wider interval (their look-ahead makes each game dearer).
  int bestSeats = 6;
  double bestHalfWidth = 0.015;
  int64_t bestBatchGames = 50000;
  int bestMinBatches = 20;
  int64_t bestMaxGames = 4000000;
  uint32_t seed = 1;
  int jobs = 2;                 // processes playing cells side by side
};

// One machine at one setting.
TableCell PlayCell(int machine, int setting, const TableOptions& options);

// Every machine of the build at settings 1..6, printed as a Markdown table. Returns 0 on success.
int PrintPayoutTable(const TableOptions& options);
