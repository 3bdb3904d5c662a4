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
};

SampleSet durations;
SampleSet waits;
// The only field the timer thread writes.
std::atomic<int64_t> dropped{0};

}  // namespace

void ResetTickStats() {
  durations.Reset();
  waits.Reset();
  dropped.store(0);
}

void RecordTickDuration(uint32_t microseconds) { durations.Add(microseconds); }

void RecordTickWait(uint32_t microseconds) { waits.Add(microseconds); }

void RecordDroppedTick() { dropped.fetch_add(1, std::memory_order_relaxed); }

TickSummary SummariseTicks() {
  durations.Sort();
  waits.Sort();
  TickSummary s;
  s.ticks = durations.count;
  s.dropped = dropped.load();
  s.medianMicros = durations.Percentile(50);
  s.p99Micros = durations.Percentile(99);
  s.maxMicros = durations.maxMicros;
  s.waitMedianMicros = waits.Percentile(50);
  s.waitP99Micros = waits.Percentile(99);
  s.waitMaxMicros = waits.maxMicros;
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
