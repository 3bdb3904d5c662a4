// The tick-statistics build: each tick's handler time and the ticks the timer dropped, summed
// up at the end of the run as median, 99th percentile and the number dropped.
#pragma once

#include <cstdint>

// Room for an hour of 25 ms ticks; later ticks are counted but not kept.
constexpr int kTickSampleCapacity = 144000;

void ResetTickStats();
// One handled tick, in microseconds.
void RecordTickDuration(uint32_t microseconds);
// One tick the timer dropped because the last one was still pending.
void RecordDroppedTick();

struct TickSummary {
  int64_t ticks;           // handled ticks
  int64_t dropped;         // ticks the timer dropped
  uint32_t medianMicros;
  uint32_t p99Micros;
  uint32_t maxMicros;
};
// Sorts the kept samples (call once, at the end of the run).
TickSummary SummariseTicks();
// "ticks N, median X us, p99 Y us, max Z us, dropped D" into out.
void FormatTickSummary(const TickSummary& s, char* out, int outBytes);
