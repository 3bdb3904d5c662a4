// Local time from the run-time library, unless a test or tool supplies its own clock.
#include "base/game_clock.h"

#include <ctime>

namespace {
ClockSource clockSource = nullptr;
}

void SetClockSource(ClockSource source) { clockSource = source; }

void ReadLocalTime(CalendarTime& out) {
  if (clockSource) {
    clockSource(out);
    return;
  }
  std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  if (t == nullptr) {
    out = CalendarTime{};
    return;
  }
  out.second = t->tm_sec;
  out.minute = t->tm_min;
  out.hour = t->tm_hour;
  out.dayOfMonth = t->tm_mday;
  out.month = t->tm_mon;
  out.years = t->tm_year;
  out.weekday = t->tm_wday;
  out.dayOfYear = t->tm_yday;
  out.daylight = t->tm_isdst;
}
