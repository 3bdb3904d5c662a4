// Shop hours: the day shop keeps the local hour, the night shop runs twelve hours behind it,
// so exactly one shop is open at any time.
#include "hall/shop_clock.h"

#include "hall/shops.h"
#include "base/game_clock.h"

CalendarTime LocalTimeCopy = {0, 60, 0, 0, 0, 0, 0, 0, 0};

void ResetShopClock() {
  LocalTimeCopy = CalendarTime{};
  LocalTimeCopy.minute = 60;  // no real minute equals 60
}

int ShopLevelForHour(int h) {
  if (h == 10) return 2;               // the opening hour
  if (h >= 11 && h <= 16) return 1;
  if (h == 17 || h == 18) return 4;    // peak
  if (h == 19) return 3;
  if (h == 20 || h == 21) return 1;
  return 0;                            // 0-9, 22, 23: closed
}

bool ShopClockCheck() {
  CalendarTime now;
  ReadLocalTime(now);
  if (now.minute == StoredMinute()) return false;
  LocalTimeCopy = now;
  Shops[ShopDay].level = ShopLevelForHour(now.hour);
  Shops[ShopNight].level = ShopLevelForHour((now.hour + 12) % 24);
  return true;
}
