// Opening the shops at start: the open shop is carried over the hours the program was not
// running, so the floor looks as if it had been open all along; the closed shop stands empty.
#pragma once

#include <cstdint>

#include "hall/shop_record.h"

// Seconds from one local time to a later one, or -1 when `from` lies in a later year. Times
// more than a year apart count as one year.
int32_t ElapsedSeconds(const CalendarTime& from, const CalendarTime& to);

// Carries one floor machine over n seconds in twenty-minute steps; more than twelve hours
// start a new day first, with up to three days of big bonuses drawn from the stock.
void CatchUpMachine(int32_t elapsedSeconds, int shop, int machine);

// Once at start, after the save data are loaded and the shop clock has set the levels.
// Also resets the four player slots and makes P1 current.
void OpenShops();
