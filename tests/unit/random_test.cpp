// The random source and its chance tests: the generator's exact sequence, the halving steps
// of OneIn, and the bet scaling of ScaledOneIn, measured with fixed seeds.
#include <cmath>

#include "tests/unit/machine_test_support.h"

namespace {

// Counts OneIn(n) successes over `draws` tries, each from a generator state picked at random
// (by a mixer of our own), so the rate is that over the generator's whole period rather than
// that of one stretch of it.
long CountOneIn(int n, long draws, uint64_t salt) {
  long hits = 0;
  uint64_t x = salt;
  for (long i = 0; i < draws; ++i) {
    x += 0x9E3779B97F4A7C15ull;
    uint64_t z = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    SeedGameRandom(static_cast<uint32_t>(z ^ (z >> 31)));
    hits += OneIn(n) ? 1 : 0;
  }
  return hits;
}

// True when `hits` lies within `sigmas` standard deviations of draws * p.
bool Near(long hits, long draws, double p, double sigmas) {
  double mean = draws * p;
  double sd = std::sqrt(draws * p * (1 - p));
  return std::fabs(hits - mean) <= sigmas * sd;
}

}  // namespace

TEST(GameRandom, FollowsTheClassicGenerator) {
  SeedGameRandom(1);
  // The run-time library's sequence for seed 1.
  EXPECT_EQ(GameRand(), 41);
  EXPECT_EQ(GameRand(), 18467);
  EXPECT_EQ(GameRand(), 6334);
  SeedGameRandom(7);
  uint32_t state = 7;
  for (int i = 0; i < 1000; ++i) {
    state = state * 214013u + 2531011u;
    ASSERT_EQ(GameRand(), static_cast<int>((state >> 16) & 32767u));
  }
}

TEST(GameRandom, OneInFollowsTheHalvingSteps) {
  SeedGameRandom(99);
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(OneIn(1));
  // A bad denominator must not divide by zero.
  EXPECT_TRUE(OneIn(0));

  // 50 halves twice down to 12: one in 48, measurably not one in 50.
  const long draws = 20000000;
  long hits = CountOneIn(50, draws, 2024);
  EXPECT_TRUE(Near(hits, draws, 1.0 / 48, 4)) << hits;
  EXPECT_FALSE(Near(hits, draws, 1.0 / 50, 4)) << hits;

  // 362 halves five times down to 11. With independent bits that would be one in 352; the
  // generator's lowest bit is not independent over the ten draws of five steps, and over its
  // whole period of 2^32 states the chance is exactly one in 364.81.
  hits = CountOneIn(362, draws, 2025);
  EXPECT_TRUE(Near(hits, draws, 1.0 / 364.81, 4)) << hits;
  EXPECT_FALSE(Near(hits, draws, 1.0 / 352, 4)) << hits;

  // 17 halves once to 8: one in 16; 16 and below use one draw only.
  hits = CountOneIn(17, draws, 5);
  EXPECT_TRUE(Near(hits, draws, 1.0 / 16, 4)) << hits;
  EXPECT_FALSE(Near(hits, draws, 1.0 / 17, 4)) << hits;
  for (uint32_t seed = 1; seed < 1000; ++seed) {
    SeedGameRandom(seed);
    GameRand();
    uint32_t afterOneDraw = GameRandomState();
    SeedGameRandom(seed);
    OneIn(16);
    ASSERT_EQ(GameRandomState(), afterOneDraw);
  }
}

TEST(GameRandom, ScaledOneInScalesByTheBet) {
  MachineRecord m{};
  // The scaled denominator is drawn exactly as OneIn of it: bet 1 triples, bet 2 adds half.
  const int bets[] = {1, 2, 3, 0};
  const int scaled313[] = {939, 469, 313, 313};
  for (int i = 0; i < 4; ++i) {
    m.bet = bets[i];
    for (uint32_t seed = 1; seed < 20000; ++seed) {
      SeedGameRandom(seed);
      bool viaBet = ScaledOneIn(m, 313);
      uint32_t stateViaBet = GameRandomState();
      SeedGameRandom(seed);
      bool direct = OneIn(scaled313[i]);
      ASSERT_EQ(viaBet, direct) << "bet " << bets[i] << " seed " << seed;
      ASSERT_EQ(stateViaBet, GameRandomState());
    }
  }
  // Measured: a bet of 1 makes one in 4 one in 12; a bet of 2 makes one in 10 one in 15.
  const long draws = 3000000;
  m.bet = 1;
  SeedGameRandom(11);
  long hits = 0;
  for (long i = 0; i < draws; ++i) hits += ScaledOneIn(m, 4) ? 1 : 0;
  EXPECT_TRUE(Near(hits, draws, 1.0 / 12, 4)) << hits;
  EXPECT_FALSE(Near(hits, draws, 1.0 / 4, 4)) << hits;
  m.bet = 2;
  hits = 0;
  for (long i = 0; i < draws; ++i) hits += ScaledOneIn(m, 10) ? 1 : 0;
  EXPECT_TRUE(Near(hits, draws, 1.0 / 15, 4)) << hits;
  EXPECT_FALSE(Near(hits, draws, 1.0 / 10, 4)) << hits;
}
