// The simulated clock keeps milliseconds since 1970 and turns them into a calendar time with
// the usual days-from-civil arithmetic, so no run-time time-zone code is involved.
#include "tools/hallsim/hall_sim.h"

#include <cstdio>

#include "hall/catch_up.h"
#include "hall/hall_outbox.h"
#include "hall/player_record.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "machine/game_random.h"
#include "base/game_clock.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"
#include "shell/tick_handler.h"

namespace {

int64_t clockMilliseconds = 0;

int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

bool Leap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

void ReadSimClock(CalendarTime& out) { CivilFromSeconds(clockMilliseconds / 1000, out); }

// The info panel checks the clock on the ticks where Phase256 wraps.
void InfoPanelClock() {
  if (Phase256 == 0) ShopClockCheck();
}

}  // namespace

int64_t SecondsFromCivil(int year, int month, int day, int hour, int minute, int second) {
  return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

void CivilFromSeconds(int64_t seconds, CalendarTime& out) {
  int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
  int64_t rest = seconds - days * 86400;
  int64_t z = days + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  int64_t year = yoe + era * 400 + (month <= 2);
  static const int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  out.second = static_cast<int32_t>(rest % 60);
  out.minute = static_cast<int32_t>(rest / 60 % 60);
  out.hour = static_cast<int32_t>(rest / 3600);
  out.dayOfMonth = day;
  out.month = month - 1;
  out.years = static_cast<int32_t>(year - 1900);
  out.weekday = static_cast<int32_t>((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
  out.dayOfYear = kDaysBefore[month - 1] + day - 1 + (month > 2 && Leap(year) ? 1 : 0);
  out.daylight = 0;
}

bool ParseStartTime(const char* text, int64_t& seconds) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char tail = 0;
  int n = std::sscanf(text, "%d-%d-%dT%d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &tail);
  if (n != 5 && n != 6) return false;
  if (y < 1970 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 ||
      mi < 0 || mi > 59 || s < 0 || s > 59) {
    return false;
  }
  seconds = SecondsFromCivil(y, mo, d, h, mi, s);
  return true;
}

void FormatCivil(const CalendarTime& t, char* out, int outBytes) {
  std::snprintf(out, static_cast<size_t>(outBytes), "%04d-%02d-%02d %02d:%02d",
                static_cast<int>(t.years + 1900) % 10000, static_cast<int>(t.month + 1) % 100,
                static_cast<int>(t.dayOfMonth) % 100, static_cast<int>(t.hour) % 100,
                static_cast<int>(t.minute) % 100);
}

void StartSimClock(int64_t seconds) { clockMilliseconds = seconds * 1000; }

int64_t SimClockMilliseconds() { return clockMilliseconds; }

void SimStartUp(uint32_t seed, bool freshData) {
  SetClockSource(ReadSimClock);
  SeedGameRandom(seed);
  ResetTickCounters();
  ClearHallOutbox();
  HallChanged = 0;
  if (freshData) {
    ResetShopsToDefaults();
    ClearPlayers();
  }
  SimRestart();
}

void SimRestart() {
  SetClockSource(ReadSimClock);
  ResetShopClock();
  ShopClockCheck();
  OpenShops();
}

void SimTick(void (*hallStep)()) {
  clockMilliseconds += kTickMilliseconds;
  TickSteps steps{nullptr, nullptr, hallStep, InfoPanelClock};
  RunTick(steps);
}
