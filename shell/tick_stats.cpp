// Samples live in static arrays so measuring never allocates inside the tick; sorting happens
// once, at the end of the run.
#include "shell/tick_stats.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {

struct SampleSet {
  uint32_t samples[kTickSampleCapacity];
  int64_t count;
  uint32_t maxMicros;

  void Reset() {
    count = 0;
    maxMicros = 0;
  }
  void Add(uint32_t microseconds) {
    if (count < kTickSampleCapacity) samples[count] = microseconds;
    ++count;
    if (microseconds > maxMicros) maxMicros = microseconds;
  }
  int Kept() const { return static_cast<int>(std::min<int64_t>(count, kTickSampleCapacity)); }
  void Sort() { std::sort(samples, samples + Kept()); }
  // Nearest rank: the smallest sample with at least `percent` of all samples at or below it.
  uint32_t Percentile(int percent) const {
    int n = Kept();
    if (n == 0) return 0;
    int64_t rank = (static_cast<int64_t>(n) * percent + 99) / 100;
    if (rank < 1) rank = 1;
    return samples[rank - 1];
  }
  Percentiles Summary() {
    Sort();
    return {Percentile(50), Percentile(99), maxMicros};
  }
};

SampleSet durations;
SampleSet waits;
SampleSet steps[kTickStepCount];
// The fields the timer thread writes.
std::atomic<int64_t> droppedQueued{0}, droppedHandled{0};
std::atomic<int64_t> timerEarly{0}, timerLate{0};

}  // namespace

void ResetTickStats() {
  durations.Reset();
  waits.Reset();
  for (SampleSet& s : steps) s.Reset();
  droppedQueued.store(0);
  droppedHandled.store(0);
  timerEarly.store(0);
  timerLate.store(0);
}

void RecordTickDuration(uint32_t microseconds) { durations.Add(microseconds); }

void RecordTickStep(TickStep step, uint32_t microseconds) {
  steps[static_cast<int>(step)].Add(microseconds);
}

void RecordTickWait(uint32_t microseconds) { waits.Add(microseconds); }

void RecordDroppedTick(bool whileHandled) {
  (whileHandled ? droppedHandled : droppedQueued).fetch_add(1, std::memory_order_relaxed);
}

void RecordTimerInterval(uint32_t microseconds, uint32_t periodMicros) {
  if (microseconds < periodMicros / 2) timerEarly.fetch_add(1, std::memory_order_relaxed);
  if (microseconds > periodMicros + periodMicros / 2) {
    timerLate.fetch_add(1, std::memory_order_relaxed);
  }
}

TickSummary SummariseTicks() {
  TickSummary s;
  Percentiles handled = durations.Summary();
  Percentiles waited = waits.Summary();
  s.ticks = durations.count;
  s.droppedWhileQueued = droppedQueued.load();
  s.droppedWhileHandled = droppedHandled.load();
  s.dropped = s.droppedWhileQueued + s.droppedWhileHandled;
  s.medianMicros = handled.median;
  s.p99Micros = handled.p99;
  s.maxMicros = handled.max;
  s.waitMedianMicros = waited.median;
  s.waitP99Micros = waited.p99;
  s.waitMaxMicros = waited.max;
  for (int i = 0; i < kTickStepCount; ++i) s.steps[i] = steps[i].Summary();
  s.timerEarly = timerEarly.load();
  s.timerLate = timerLate.load();
  return s;
}

void FormatTickSummary(const TickSummary& s, char* out, int outBytes) {
  std::snprintf(out, static_cast<size_t>(outBytes),
                "ticks %lld, median %u us, p99 %u us, max %u us, dropped %lld; "
                "queue wait median %u us, p99 %u us, max %u us",
                static_cast<long long>(s.ticks), s.medianMicros, s.p99Micros, s.maxMicros,
                static_cast<long long>(s.dropped), s.waitMedianMicros, s.waitP99Micros,
                s.waitMaxMicros);
}

void FormatTickSteps(const TickSummary& s, char* out, int outBytes) {
  const Percentiles& screen = s.steps[static_cast<int>(TickStep::Screen)];
  const Percentiles& hall = s.steps[static_cast<int>(TickStep::Hall)];
  const Percentiles& panel = s.steps[static_cast<int>(TickStep::Panel)];
  std::snprintf(out, static_cast<size_t>(outBytes),
                "screen median %u us, p99 %u us; hall median %u us, p99 %u us; "
                "panel median %u us, p99 %u us",
                screen.median, screen.p99, hall.median, hall.p99, panel.median, panel.p99);
}

void FormatDropCauses(const TickSummary& s, char* out, int outBytes) {
  std::snprintf(out, static_cast<size_t>(outBytes),
                "dropped while queued %lld, while handled %lld; timer early %lld, late %lld",
                static_cast<long long>(s.droppedWhileQueued),
                static_cast<long long>(s.droppedWhileHandled), static_cast<long long>(s.timerEarly),
                static_cast<long long>(s.timerLate));
}
