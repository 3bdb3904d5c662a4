// Phase counters and blink flags of the tick, advanced before anything else in a tick so that
// every reader sees a wrapped counter at 0 for the whole of that tick.
#include "base/tick_counters.h"

int TickUnit = 16;
int Phase64 = 0, Phase128 = 0, Phase256 = 0, Phase512 = 0, Phase1024 = 0;
int Blink64 = 0, Blink128 = 0, Blink256 = 0;
int CommandBusy = 0;

void ResetTickCounters() {
  TickUnit = 16;
  Phase64 = Phase128 = Phase256 = Phase512 = Phase1024 = 0;
  Blink64 = Blink128 = Blink256 = 0;
  CommandBusy = 0;
}

namespace {
// Sets the counter back to 0 when it reaches its bound; true when it did.
inline bool Wrap(int& counter, int bound) {
  if (counter < bound) return false;
  counter = 0;
  return true;
}
inline void Flip(int& flag) { flag = flag == 0 ? 1 : 0; }
}  // namespace

bool AdvanceTickCounters() {
  Phase64 += TickUnit;
  Phase128 += TickUnit;
  Phase256 += TickUnit;
  Phase512 += TickUnit;
  Phase1024 += TickUnit;
  if (Wrap(Phase64, 64)) Flip(Blink64);
  if (Wrap(Phase128, 128)) Flip(Blink128);
  if (Wrap(Phase256, 256)) Flip(Blink256);
  Wrap(Phase512, 512);
  return Wrap(Phase1024, 1024);
}
