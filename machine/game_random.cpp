// The game's random source: the classic linear congruential generator, written here so that
// the same seed gives the same games on Linux and on Windows.
#include "machine/game_random.h"

#include "machine/machine_record.h"

namespace {
uint32_t randomState = 1;
}

int GameRand() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 32767u);
}

void SeedGameRandom(uint32_t seed) { randomState = seed; }

uint32_t GameRandomState() { return randomState; }

bool OneIn(int n) {
  if (n < 1) n = 1;  // tables never hold less; a bad value must not divide by zero
  while (n > 16) {
    int a = GameRand() % 2;
    int b = GameRand() % 2;
    if (a == b) return false;
    n /= 2;
  }
  return GameRand() % n == 0;
}

bool ScaledOneIn(const MachineRecord& m, int n) {
  if (m.bet == 1) return OneIn(n * 3);
  if (m.bet == 2) return OneIn(n + n / 2);
  return OneIn(n);
}
