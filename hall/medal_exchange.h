// Money and medals: buying medals with yen at the seated machine (three rows, the last
// choice remembered for the run) and cashing out the medals of a machine left behind.
#pragma once

#include <cstdint>

#include "hall/hall_message.h"

struct ExchangeRow {
  int button;   // radio button of the exchange dialog
  int medals;
  int yen;
};
constexpr int kExchangeRows = 3;
extern const ExchangeRow kExchangeTable[kExchangeRows];

// Medals cost 20 yen; they cash out in whole lots of 16 for 200 yen.
constexpr int kYenPerMedal = 20;
constexpr int kCashOutLot = 16;
constexpr int kYenPerLot = 200;

// Purses and visit results stay within what the game can show.
constexpr int32_t kYenLimit = 999999999;

// The button chosen at the last exchange of this run; 1301 at start.
extern int ExchangeButton;
void ResetExchangeButton();

// The exchange for the current slot's player at the seated machine with the row of this button.
// A short purse returns "お金が足りません。" and changes nothing; otherwise the machine gets the
// medals, the purse and the visit's result pay for them, a pending "no medals" notice ends, the
// button is remembered, and nothing is to be shown. Returns nothing to show, and changes
// nothing, when the slot is not seated or the button names no row.
HallMessage ExchangeMedals(int button);

// Cashes out the medals the player of slot i took from the machine: 200 yen per 16 medals into
// the purse and the visit's result, the odd medals carried to the next machine. Returns the
// cash-out message (medals, yen, odd), or nothing to show when there were no medals.
HallMessage CashOut(int slot);
