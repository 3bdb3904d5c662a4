// Taking a seat and leaving it, as the hall sees them: who occupies the machine, whose medals
// it holds, and where the slot points.
#pragma once

#include "hall/hall_message.h"

// The current slot's player sits down at the machine under the hall cursor. Refused in a
// closed shop ("閉店時間になりました。") and at an occupied machine ("他のお客さまが、ご遊技中
// です。"); otherwise the player's carried medals go into the machine, with the pending "no
// medals" notice when there are none.
HallMessage TakeSeat();

// The player of slot i stands up: the machine's medals wait for the cash-out, the machine keeps
// its game and bonus for its next occupant, and the slot points at the placeholder again.
// Returns 1 when the slot was seated.
int LeaveSeat(int slot);
