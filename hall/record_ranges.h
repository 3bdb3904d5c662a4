// What a record read from a file may hold. A value outside its range rejects the record like a
// bad checksum, so nothing read can index outside a table, overflow a sum in a long run, or
// leave a machine waiting for something that never comes.
#pragma once

#include <cstdint>

#include "hall/player_record.h"
#include "hall/shop_record.h"
#include "machine/machine_record.h"

// Generous bounds for counters that only ever grow by play: far beyond any real run, far below
// the point where a sum could wrap.
constexpr int32_t kCounterLimit = 99999999;
constexpr int32_t kDailyBigLimit = 99999;
constexpr int32_t kStockLimit = 99999;
constexpr int32_t kAmountLimit = 999999999;  // yen in a purse, a visit, a score

// symbolHeight is the active machine's: a reel position runs from 0 to 22 symbols.
bool MachineRecordInRange(const MachineRecord& m, int symbolHeight);
// The name of the first field out of its range, or null when the record is in range.
const char* MachineFieldOutOfRange(const MachineRecord& m, int symbolHeight);
bool CalendarTimeInRange(const CalendarTime& t);
bool ScoreEntryInRange(const ScoreEntry& e);
// The level, count and last open time: the 44 bytes a rejected hall file may still keep.
bool ShopHeaderInRange(const ShopRecord& s);
// The header, the high scores and all 17 machine records of the active machine.
bool ShopRecordInRange(const ShopRecord& s, int symbolHeight);
// One record on its own: a free record must be all zero, an enrolled one needs a name of 1 to
// 22 bytes and values in range.
bool PlayerRecordInRange(const PlayerRecord& p);
// The eight records together: each in range, enrolled ones first without a gap, names unique.
bool PlayerArrayInRange(const PlayerRecord* players);
