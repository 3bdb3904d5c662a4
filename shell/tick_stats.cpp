// Samples live in a static array so measuring never allocates inside the tick; sorting happens
// once, at the end of the run.
#include "shell/tick_stats.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {
uint32_t samples[kTickSampleCapacity];
int64_t ticks = 0;
uint32_t maxMicros = 0;
// The only field the timer thread writes.
std::atomic<int64_t> dropped{0};

uint32_t Percentile(int n, int percent) {
  if (n == 0) return 0;
  // Nearest rank: the smallest sample with at least `percent` of all samples at or below it.
  int64_t rank = (static_cast<int64_t>(n) * percent + 99) / 100;
  if (rank < 1) rank = 1;
  return samples[rank - 1];
}
}  // namespace

void ResetTickStats() {
  ticks = 0;
  maxMicros = 0;
  dropped.store(0);
}

void RecordTickDuration(uint32_t microseconds) {
  if (ticks < kTickSampleCapacity) samples[ticks] = microseconds;
  ++ticks;
  if (microseconds > maxMicros) maxMicros = microseconds;
}

void RecordDroppedTick() { dropped.fetch_add(1, std::memory_order_relaxed); }

TickSummary SummariseTicks() {
  int n = static_cast<int>(std::min<int64_t>(ticks, kTickSampleCapacity));
  std::sort(samples, samples + n);
  TickSummary s;
  s.ticks = ticks;
  s.dropped = dropped.load();
  s.medianMicros = Percentile(n, 50);
  s.p99Micros = Percentile(n, 99);
  s.maxMicros = maxMicros;
  return s;
}

void FormatTickSummary(const TickSummary& s, char* out, int outBytes) {
  std::snprintf(out, static_cast<size_t>(outBytes),
                "ticks %lld, median %u us, p99 %u us, max %u us, dropped %lld",
                static_cast<long long>(s.ticks), s.medianMicros, s.p99Micros, s.maxMicros,
                static_cast<long long>(s.dropped));
}
