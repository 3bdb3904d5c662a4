// A player's visit to a shop: entering (the checks and the new history entry), closing it
// (wins and losses, the shop's high scores, the best visit) and the win rate.
#pragma once

#include <cstdint>

#include "hall/hall_message.h"
#include "hall/player_record.h"
#include "hall/shop_record.h"

// The refusal of "お店に入る" for the current slot, checked before the player choice opens:
// no enrolled player left to seat, or the slot's shop closed. stringId 0 when it may open.
HallMessage EnterShopRefusal();

// The player choice confirmed for the record at list index i: the name goes into the current
// slot and the player's history gets a new visit dated today with this game's machine. Returns
// 1, or 0 when that player is not enrolled or is already in a slot.
int StartVisit(int index);

// Closes the visit of the current slot's player: win or loss, the shop's high-score table,
// the best visit. Returns the farewell to show; the slot is freed afterwards by
// FreeSlotAfterVisit, once the farewell has been shown.
HallMessage CloseVisit();
void FreeSlotAfterVisit();

// The Windows session ends with players still in the shops: each seated player stands up and
// the medals are cashed out (whole lots into the purse, the rest carried), and every visit is
// closed as leaving the shop closes it, all without a word. Nothing stays on a machine under a
// seat code that the next start could not give back. P1 is current afterwards.
void CloseAllVisitsQuietly();

// Enters a result into a shop's table: it goes above the first place with a smaller amount,
// below equal ones. Returns the place 0..4, or -1 when it does not enter.
int EnterHighScore(ShopRecord& shop, const char* name, int32_t amount, const CalendarTime& when);

// wins x 100 / (wins + losses), or 100 before any decided visit.
int WinRate(const PlayerRecord& p);
// The same as shown, "%2d": " 5", "33", "100". out holds at least 4 bytes.
void FormatWinRate(const PlayerRecord& p, char* out);

// "%02d/%02d" of the month (1-12) and the day of a local time, into 6 bytes.
void FormatVisitDate(const CalendarTime& when, char* out);
