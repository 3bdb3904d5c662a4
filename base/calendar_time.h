// Broken-down local time as the game keeps it: in the shops' last opening time, in the clock
// copy of the tick and in every date the game shows or stores.
#pragma once

#include <cstdint>

// Broken-down local time, nine int32 in this order.
struct CalendarTime {
  int32_t second;      // 0-59
  int32_t minute;      // 0-59
  int32_t hour;        // 0-23
  int32_t dayOfMonth;  // 1-31
  int32_t month;       // 0-11
  int32_t years;       // years since 1900
  int32_t weekday;     // 0 = Sunday
  int32_t dayOfYear;   // 0-365
  int32_t daylight;    // daylight-saving flag
};
static_assert(sizeof(CalendarTime) == 36, "nine int32");
