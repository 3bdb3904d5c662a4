// The shop clock: once a minute it copies the local time and sets both shops' crowd levels.
#pragma once

#include "hall/shop_record.h"

// Last time read by ShopClockCheck; the info panel's clock and the hall's time base.
extern CalendarTime LocalTimeCopy;

// StoredMinute is the minute field of LocalTimeCopy; 60 at start-up so the first check fills it.
inline int StoredMinute() { return LocalTimeCopy.minute; }
void ResetShopClock();

// Crowd level of a shop from its own hour h (local hour for the day shop, +12 for the night shop).
int ShopLevelForHour(int h);

// Returns true when the minute changed and the shop levels were recomputed.
bool ShopClockCheck();
