// The enrolled player: the 232-byte record of the player file that all seven games share, so
// every size and offset is checked here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hall/shop_record.h"

constexpr int kPlayerRecords = 8;
constexpr int kPlayerNameBytes = 24;  // NUL-terminated
constexpr int kMaxNameLength = 22;    // bytes of code page 932 a name may hold
constexpr int kHistoryVisits = 4;
constexpr int32_t kEnrolmentPurse = 10000;

struct PlayerRecord {
  int32_t inUse;                     // 1 enrolled, 0 free (a free record is all zero)
  char name[kPlayerNameBytes];       // 1 to 22 bytes, unique among enrolled players
  int32_t wins;                      // closed visits with a positive result
  int32_t losses;                    // closed visits with a negative result
  int32_t reserved;                  // always 0
  int32_t carriedMedals;             // odd medals of the last cash-out, 0..15
  int32_t purse;                     // yen
  ScoreEntry history[kHistoryVisits];  // last four visits, newest first
  ScoreEntry best;                   // the best closed visit; empty date while there is none
  int32_t checksum;                  // additive checksum of the 228 bytes before it
};
static_assert(sizeof(PlayerRecord) == 232, "232-byte player record");
static_assert(offsetof(PlayerRecord, name) == 4, "layout");
static_assert(offsetof(PlayerRecord, wins) == 28, "layout");
static_assert(offsetof(PlayerRecord, losses) == 32, "layout");
static_assert(offsetof(PlayerRecord, reserved) == 36, "layout");
static_assert(offsetof(PlayerRecord, carriedMedals) == 40, "layout");
static_assert(offsetof(PlayerRecord, purse) == 44, "layout");
static_assert(offsetof(PlayerRecord, history) == 48, "layout");
static_assert(offsetof(PlayerRecord, best) == 192, "layout");
static_assert(offsetof(PlayerRecord, checksum) == 228, "layout");

// The eight records; enrolled ones occupy indices 0 upward without gaps.
extern PlayerRecord Players[kPlayerRecords];
