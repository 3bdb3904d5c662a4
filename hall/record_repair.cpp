// Record-by-record trust in a read save file. The checks are the ones a whole file used to
// pass or fail by; here each decides only about its own record.
#include "hall/record_repair.h"

#include <cstddef>
#include <cstring>

#include "hall/record_checksum.h"
#include "hall/record_ranges.h"
#include "machine/machine_reset.h"

namespace {

// The level, count and last open time of a shop that never was open: the next opening then
// takes the new-day path of the catch-up.
void ClearShopHeader(ShopRecord& shop) { std::memset(&shop, 0, offsetof(ShopRecord, highScores)); }

// Drops the places out of range; those below move up and the last places become empty.
bool RepairHighScores(ShopRecord& shop) {
  ScoreEntry kept[kHighScorePlaces] = {};
  int n = 0;
  for (const ScoreEntry& e : shop.highScores) {
    if (ScoreEntryInRange(e)) kept[n++] = e;
  }
  std::memcpy(shop.highScores, kept, sizeof kept);
  return n == kHighScorePlaces;
}

bool IsAllZero(const PlayerRecord& p) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&p);
  for (size_t i = 0; i < sizeof p; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

bool NameTaken(const PlayerRecord* kept, int count, const char* name) {
  for (int k = 0; k < count; ++k) {
    if (std::strncmp(kept[k].name, name, kPlayerNameBytes) == 0) return true;
  }
  return false;
}

}  // namespace

void ResetShopFloor(ShopRecord& shop) {
  for (MachineRecord& m : shop.machines) ResetMachine(m, ResetFull);
  std::memset(shop.highScores, 0, sizeof shop.highScores);
}

void ResetShopRecord(ShopRecord& shop) {
  if (!ShopHeaderInRange(shop)) ClearShopHeader(shop);
  ResetShopFloor(shop);
}

bool RepairShopRecord(ShopRecord& shop, int symbolHeight) {
  if (!ShopChecksumMatches(shop)) {
    ResetShopRecord(shop);
    return false;
  }
  bool whole = true;
  if (!ShopHeaderInRange(shop)) {
    ClearShopHeader(shop);
    whole = false;
  }
  whole = RepairHighScores(shop) && whole;
  for (MachineRecord& m : shop.machines) {
    if (MachineRecordInRange(m, symbolHeight)) continue;
    ResetMachine(m, ResetFull);
    whole = false;
  }
  return whole;
}

bool RepairPlayerRecords(const PlayerRecord* read, PlayerRecord* out) {
  PlayerRecord kept[kPlayerRecords] = {};
  int n = 0;
  bool whole = true;
  for (int k = 0; k < kPlayerRecords; ++k) {
    const PlayerRecord& p = read[k];
    if (p.inUse == 0 && IsAllZero(p)) continue;
    bool sound = p.inUse == 1 && PlayerChecksumMatches(p) && PlayerRecordInRange(p) &&
                 !NameTaken(kept, n, p.name);
    if (!sound) {
      whole = false;
      continue;
    }
    if (n != k) whole = false;  // moved up over a gap
    kept[n++] = p;
  }
  std::memcpy(out, kept, sizeof kept);
  return whole;
}
