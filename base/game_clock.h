// The one place the game reads the local time. Tests and tools set their own clock.
#pragma once

#include "base/calendar_time.h"

using ClockSource = void (*)(CalendarTime& out);

// The current local time (time() and localtime() unless a clock source is set).
void ReadLocalTime(CalendarTime& out);
// Null returns to the system clock.
void SetClockSource(ClockSource source);
