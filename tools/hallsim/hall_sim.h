// The hall on a simulated clock: start-up as the game does it, then 25 ms ticks through the
// game's own tick handler, with the info panel's once-a-minute clock check. Used by hallsim
// and by the hall's long-run tests.
#pragma once

#include <cstdint>

#include "hall/shop_record.h"

constexpr int kTickMilliseconds = 25;
constexpr int kTicksPerHour = 3600 * 1000 / kTickMilliseconds;

// Local calendar time for a count of seconds since 1970-01-01 00:00 (local time as it reads:
// no zones and no daylight saving), and back.
int64_t SecondsFromCivil(int year, int month, int day, int hour, int minute, int second);
void CivilFromSeconds(int64_t seconds, CalendarTime& out);
// "YYYY-MM-DDTHH:MM" (seconds may follow as ":SS").
bool ParseStartTime(const char* text, int64_t& seconds);
// "YYYY-MM-DD HH:MM" into out (at least 17 bytes).
void FormatCivil(const CalendarTime& t, char* out, int outBytes);

// The simulated clock; the game reads it through its clock source.
void StartSimClock(int64_t seconds);
int64_t SimClockMilliseconds();

// Start-up at the clock's time: seeds the random source, zeroes the tick state, and (unless
// the caller loaded save data) makes the hall fresh as after a missing file; then the first
// clock check and the opening of the shops with their catch-up.
void SimStartUp(uint32_t seed, bool freshData);

// Reopens the shops after a save and a load, as a restart of the game at the same moment.
void SimRestart();

// One tick: the clock moves on 25 ms, then the tick handler runs with hallStep as its hall step.
void SimTick(void (*hallStep)());
