// Start-up of the hall as the main window's creation runs it. The seed comes from the clock the
// game reads everywhere else, so tests that set the clock start the game they expect.
#include "shell/start_up.h"

#include "hall/catch_up.h"
#include "hall/save_data.h"
#include "machine/game_random.h"
#include "base/game_clock.h"
#include "hall/shop_clock.h"

uint32_t ClockSeed() {
  CalendarTime now{};
  ReadLocalTime(now);
  uint32_t days = static_cast<uint32_t>(now.years) * 366u + static_cast<uint32_t>(now.dayOfYear);
  uint32_t seconds = static_cast<uint32_t>(now.hour) * 3600u +
                     static_cast<uint32_t>(now.minute) * 60u + static_cast<uint32_t>(now.second);
  return days * 86400u + seconds;
}

void StartUpHall() {
  SeedGameRandom(ClockSeed());
  LoadData();
  ShopClockCheck();
  OpenShops();
}
