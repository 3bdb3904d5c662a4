// Tick statistics: nearest-rank median and 99th percentile, the maximum, the dropped ticks and
// the time tick messages waited in the queue.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/tick_stats.h"

namespace {

TEST(TickStats, MedianAndPercentileByNearestRank) {
  ResetTickStats();
  for (uint32_t v = 100; v >= 1; --v) RecordTickDuration(v);  // 1..100, out of order
  RecordDroppedTick();
  RecordDroppedTick();
  for (uint32_t v = 1; v <= 4; ++v) RecordTickWait(v * 1000);
  TickSummary s = SummariseTicks();
  EXPECT_EQ(s.ticks, 100);
  EXPECT_EQ(s.medianMicros, 50u);
  EXPECT_EQ(s.p99Micros, 99u);
  EXPECT_EQ(s.maxMicros, 100u);
  EXPECT_EQ(s.dropped, 2);
  EXPECT_EQ(s.waitMedianMicros, 2000u);
  EXPECT_EQ(s.waitMaxMicros, 4000u);
  char line[200];
  FormatTickSummary(s, line, sizeof line);
  EXPECT_STREQ(line, "ticks 100, median 50 us, p99 99 us, max 100 us, dropped 2; "
                     "queue wait median 2000 us, p99 4000 us, max 4000 us");
}

TEST(TickStats, EmptyRunAndOneSlowTick) {
  ResetTickStats();
  TickSummary empty = SummariseTicks();
  EXPECT_EQ(empty.ticks, 0);
  EXPECT_EQ(empty.medianMicros, 0u);
  ResetTickStats();
  for (int i = 0; i < 199; ++i) RecordTickDuration(10);
  RecordTickDuration(5000);
  TickSummary s = SummariseTicks();
  EXPECT_EQ(s.medianMicros, 10u);
  EXPECT_EQ(s.p99Micros, 10u);  // one in two hundred stays above the 99th percentile
  EXPECT_EQ(s.maxMicros, 5000u);
}

}  // namespace
