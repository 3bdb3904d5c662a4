// The shop record and the small records inside it: the byte layout of the hall file, so every
// size and offset is checked here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/calendar_time.h"
#include "machine/machine_record.h"

// A date, a text and an amount of yen: a high-score place, or a visit in a player's history.
struct ScoreEntry {
  char date[6];   // "%02d/%02d" month/day and a NUL; empty marks an empty entry
  char text[26];  // player name (high scores) or machine model name (history), NUL-terminated
  int32_t amount; // yen won (positive) or lost (negative)
};
static_assert(sizeof(ScoreEntry) == 36, "36-byte score entry");
static_assert(offsetof(ScoreEntry, text) == 6 && offsetof(ScoreEntry, amount) == 32, "layout");

constexpr int kShopCount = 2;  // 0 day shop (10:00-22:00), 1 night shop (22:00-10:00)
constexpr int kHighScorePlaces = 5;
constexpr int kMachinesPerShop = 17;  // 16 floor machines and the placeholder

enum ShopIndex { ShopDay = 0, ShopNight = 1 };

struct ShopRecord {
  int32_t level;          // 0 closed, 1 normal, 2 opening hour, 3 and 4 peak hours
  int32_t occupiedCount;  // floor machines with an occupant
  CalendarTime lastOpenTime;
  ScoreEntry highScores[kHighScorePlaces];
  MachineRecord machines[kMachinesPerShop];
  int32_t checksum;       // additive checksum of the 3216 bytes before it
};
static_assert(sizeof(ShopRecord) == 3220, "3220-byte shop record");
static_assert(offsetof(ShopRecord, lastOpenTime) == 8, "layout");
static_assert(offsetof(ShopRecord, highScores) == 44, "layout");
static_assert(offsetof(ShopRecord, machines) == 224, "layout");
static_assert(offsetof(ShopRecord, checksum) == 3216, "layout");
