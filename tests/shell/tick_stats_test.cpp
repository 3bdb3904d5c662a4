// Tick statistics: nearest-rank median and 99th percentile, the maximum, the dropped ticks by
// what the pending tick was doing, the steps of a tick, the queue wait and a late or bunched
// timer.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/tick_stats.h"

namespace {

TEST(TickStats, MedianAndPercentileByNearestRank) {
  ResetTickStats();
  for (uint32_t v = 100; v >= 1; --v) RecordTickDuration(v);  // 1..100, out of order
  RecordDroppedTick(false);
  RecordDroppedTick(true);
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

TEST(TickStats, BreakdownOfStepsDropsAndTimer) {
  ResetTickStats();
  for (uint32_t v = 1; v <= 100; ++v) {
    RecordTickStep(TickStep::Screen, 10 * v);
    RecordTickStep(TickStep::Hall, v);
  }
  RecordTickStep(TickStep::Panel, 700);
  RecordDroppedTick(false);
  RecordDroppedTick(false);
  RecordDroppedTick(true);
  // At a 25 ms period: 12.5 ms and 37.5 ms are still on time, beyond them early and late.
  for (uint32_t interval : {25000u, 12500u, 12499u, 1u, 37500u, 37501u, 90000u}) {
    RecordTimerInterval(interval, 25000);
  }
  TickSummary s = SummariseTicks();
  EXPECT_EQ(s.dropped, 3);
  EXPECT_EQ(s.droppedWhileQueued, 2);
  EXPECT_EQ(s.droppedWhileHandled, 1);
  EXPECT_EQ(s.timerEarly, 2);
  EXPECT_EQ(s.timerLate, 2);
  char line[200];
  FormatTickSteps(s, line, sizeof line);
  EXPECT_STREQ(line, "screen median 500 us, p99 990 us; hall median 50 us, p99 99 us; "
                     "panel median 700 us, p99 700 us");
  FormatDropCauses(s, line, sizeof line);
  EXPECT_STREQ(line, "dropped while queued 2, while handled 1; timer early 2, late 2");
  // A new run starts from nothing.
  ResetTickStats();
  TickSummary fresh = SummariseTicks();
  EXPECT_EQ(fresh.dropped, 0);
  EXPECT_EQ(fresh.timerLate, 0);
  EXPECT_EQ(fresh.steps[0].max, 0u);
}

}  // namespace
