// The game's one random source and its chance tests. Every draw of every machine and of the
// hall comes from this one sequence, so a seed and the inputs replay a game exactly.
#pragma once

#include <cstdint>

struct MachineRecord;

constexpr int kGameRandMax = 32767;

// The classic generator: state = state * 214013 + 2531011; result = (state >> 16) & 32767.
int GameRand();
void SeedGameRandom(uint32_t seed);
uint32_t GameRandomState();

// One chance in n (n >= 1), by halving steps of one bit each while n > 16.
bool OneIn(int n);
// OneIn with n scaled by the bet: bet 1 n x 3, bet 2 n + n/2, otherwise n.
bool ScaledOneIn(const MachineRecord& m, int n);
