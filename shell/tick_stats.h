// The tick-statistics build: each tick's handler time and its steps, how long its message
// waited in the queue, and the ticks the timer dropped, summed up at the end of the run.
#pragma once

#include <cstdint>

// Room for an hour of 25 ms ticks; later ticks are counted but not kept.
constexpr int kTickSampleCapacity = 144000;

// The parts of a tick timed on their own: the visible screen's drawing, the hall's step and
// the info panel.
enum class TickStep { Screen, Hall, Panel };
constexpr int kTickStepCount = 3;

void ResetTickStats();
// One handled tick, in microseconds.
void RecordTickDuration(uint32_t microseconds);
// One step of a handled tick, in microseconds.
void RecordTickStep(TickStep step, uint32_t microseconds);
// How long a tick's message waited between the timer posting it and the handler starting.
void RecordTickWait(uint32_t microseconds);
// One tick the timer dropped because the last one was still pending: its message still in the
// queue, or the handler already running it.
void RecordDroppedTick(bool whileHandled);
// The time since the timer's previous callback (timer thread): tells a late or bunched timer
// from a slow window thread.
void RecordTimerInterval(uint32_t microseconds, uint32_t periodMicros);

struct Percentiles {
  uint32_t median;
  uint32_t p99;
  uint32_t max;
};

struct TickSummary {
  int64_t ticks;           // handled ticks
  int64_t dropped;         // ticks the timer dropped
  uint32_t medianMicros;
  uint32_t p99Micros;
  uint32_t maxMicros;
  uint32_t waitMedianMicros;  // the tick message's time in the queue
  uint32_t waitP99Micros;
  uint32_t waitMaxMicros;
  Percentiles steps[kTickStepCount];
  int64_t droppedWhileQueued;   // the pending tick had not reached the handler yet
  int64_t droppedWhileHandled;  // the handler was running it
  int64_t timerEarly;           // callbacks less than half a period after the one before
  int64_t timerLate;            // callbacks more than one and a half periods after it
};
// Sorts the kept samples (call once, at the end of the run).
TickSummary SummariseTicks();
// "ticks N, median X us, p99 Y us, max Z us, dropped D; queue wait median .., p99 .., max .."
void FormatTickSummary(const TickSummary& s, char* out, int outBytes);
// "screen median .. us, p99 .. us; hall median .., p99 ..; panel median .., p99 .."
void FormatTickSteps(const TickSummary& s, char* out, int outBytes);
// "dropped while queued .., while handled ..; timer early .., late .."
void FormatDropCauses(const TickSummary& s, char* out, int outBytes);
