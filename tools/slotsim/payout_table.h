// The payout table: every machine at every setting, played until the payout rate is known to
// a given precision (95% confidence interval from batch means).
#pragma once

#include <cstdint>

struct TableCell {
  int machine;
  int setting;
  int64_t games;
  double payoutRate;  // medals paid per medal bet
  double halfWidth;   // of the 95% confidence interval of the payout rate
  int64_t big, regular, single;
};

struct TableOptions {
  double halfWidth = 0.005;     // stop when the interval is this narrow
  int64_t batchGames = 100000;  // games per batch
  int minBatches = 30;
  int64_t maxGames = 200000000;
  uint32_t seed = 1;
  int jobs = 2;                 // processes playing cells side by side
};

// One machine at one setting.
TableCell PlayCell(int machine, int setting, const TableOptions& options);

// Every machine of the build at settings 1..6, printed as a Markdown table. Returns 0 on success.
int PrintPayoutTable(const TableOptions& options);
