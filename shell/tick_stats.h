// The tick-statistics build: each tick's handler time, how long its message waited in the
// queue, and the ticks the timer dropped, summed up at the end of the run.
#pragma once

#include <cstdint>

// Room for an hour of 25 ms ticks; later ticks are counted but not kept.
constexpr int kTickSampleCapacity = 144000;

void ResetTickStats();
// One handled tick, in microseconds.
void RecordTickDuration(uint32_t microseconds);
// How long a tick's message waited between the timer posting it and the handler starting.
void RecordTickWait(uint32_t microseconds);
// One tick the timer dropped because the last one was still pending.
void RecordDroppedTick();

struct TickSummary {
  int64_t ticks;           // handled ticks
  int64_t dropped;         // ticks the timer dropped
  uint32_t medianMicros;
  uint32_t p99Micros;
  uint32_t maxMicros;
  uint32_t waitMedianMicros;  // the tick message's time in the queue
  uint32_t waitP99Micros;
  uint32_t waitMaxMicros;
};
// Sorts the kept samples (call once, at the end of the run).
TickSummary SummariseTicks();
// "ticks N, median X us, p99 Y us, max Z us, dropped D; queue wait median .., p99 .., max .."
void FormatTickSummary(const TickSummary& s, char* out, int outBytes);
