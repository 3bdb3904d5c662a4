// The portable part of the main window's creation: the random source seeded from the clock,
// the save files loaded, the shop clock read and the shops opened with their catch-up.
#pragma once

#include <cstdint>

// A seed from the local time to the second: a different game on every start.
uint32_t ClockSeed();

// Seeds the game's random source from the clock, then loads the save data, reads the shop
// clock and opens the shops, in that order. The documents folder is set before.
void StartUpHall();
