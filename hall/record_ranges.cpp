// The ranges, field by field. They hold for every machine family of the seven games, so a file
// written by any state of the game is accepted and only damage or tampering is refused.
#include "hall/record_ranges.h"

#include <cstring>

#include "hall/player_record.h"

namespace {

bool In(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }
bool InOrMarker(int32_t v, int32_t low, int32_t high) { return v == kMarker || In(v, low, high); }

bool Terminated(const char* text, int bytes) { return std::memchr(text, '\0', bytes) != nullptr; }

bool AllZero(const void* bytes, size_t count) {
  const unsigned char* p = static_cast<const unsigned char*>(bytes);
  for (size_t i = 0; i < count; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

bool IsLineBitOrNone(int32_t v) { return v == 0 || v == 1 || v == 2 || v == 4 || v == 8 || v == 16; }

}  // namespace

const char* MachineFieldOutOfRange(const MachineRecord& m, int symbolHeight) {
  for (int d = 0; d < 3; ++d) {
    if (!In(m.bigCountDay[d], 0, kDailyBigLimit)) return "bigCountDay";
  }
  for (int r = 0; r < kReelCount; ++r) {
    if (!In(m.reelPos[r], 0, 22 * symbolHeight)) return "reelPos";
    // 1 spinning, the stop marker, 0 at rest, -n sliding n more symbols.
    if (!InOrMarker(m.reelState[r], -kStripLength, 1)) return "reelState";
  }
  if (!In(m.occupant, 0, 5)) return "occupant";
  if (!In(m.autoPlay, 0, 1)) return "autoPlay";
  if (!In(m.streakMode, 0, 1)) return "streakMode";
  if (!In(m.reelRestMark, 0, 1)) return "reelRestMark";
  if (m.pendingNotice != NoticeNone && m.pendingNotice != NoticeOutOfMedals &&
      m.pendingNotice != NoticeClosingTime) {
    return "pendingNotice";
  }
  if (!In(m.stopOrder, 0, 1)) return "stopOrder";
  if (!In(m.gamesSinceBig, 0, kCounterLimit)) return "gamesSinceBig";
  if (m.soundRequest != 0 && m.soundRequest != kMarker && !In(m.soundRequest, 701, 710)) {
    return "soundRequest";
  }
  if (!In(m.roleFlags, 0, 1023)) return "roleFlags";
  if (!In(m.setting, 0, 5)) return "setting";
  if (!In(m.bigStock, 0, kStockLimit)) return "bigStock";
  if (!In(m.highModeCount, 0, 128)) return "highModeCount";
  if (!In(m.state, StateIdle, StateGameOver)) return "state";
  if (!In(m.spinWait, 0, 1024)) return "spinWait";
  // Counted while spinWait is below 1024, at up to twice its pace (stages of the No.2 family).
  if (!In(m.stateTimer, -3, 4096)) return "stateTimer";
  if (!In(m.litLines, 0, 31)) return "litLines";
  if (!IsLineBitOrNone(m.targetLine)) return "targetLine";
  if (!In(m.targetSymbol, 0, 15)) return "targetSymbol";
  if (!In(m.bet, 0, 3)) return "bet";
  if (!InOrMarker(m.bigGames, 0, 30)) return "bigGames";
  if (!InOrMarker(m.jacWins, -1, 6)) return "jacWins";
  if (!InOrMarker(m.singleBonus, 0, 31)) return "singleBonus";
  if (!In(m.jacGames, 0, 12)) return "jacGames";
  if (!In(m.payoutPending, 0, kMaxPayPerGame)) return "payoutPending";
  if (!In(m.bigNet, -10000, 10000)) return "bigNet";
  if (!In(m.jacStage, 0, 9)) return "jacStage";
  if (!In(m.paidThisGame, 0, 9999)) return "paidThisGame";
  if (!In(m.credit, 0, kMaxCredit) || m.credit > m.medals) return "credit";
  if (!In(m.boxStacks, 0, kCounterLimit / 1600)) return "boxStacks";
  if (!In(m.boxes, 0, 3)) return "boxes";
  if (!In(m.jacSequence, 0, 6)) return "field 42";
  if (!In(m.medals, 0, kCounterLimit)) return "medals";
  return nullptr;
}

bool MachineRecordInRange(const MachineRecord& m, int symbolHeight) {
  return MachineFieldOutOfRange(m, symbolHeight) == nullptr;
}

bool CalendarTimeInRange(const CalendarTime& t) {
  // Day of month 0 belongs to the all-zero time of a shop that was never open.
  return In(t.second, 0, 60) && In(t.minute, 0, 59) && In(t.hour, 0, 23) &&
         In(t.dayOfMonth, 0, 31) && In(t.month, 0, 11) && In(t.years, 0, 8099) &&
         In(t.weekday, 0, 6) && In(t.dayOfYear, 0, 365);
}

bool ScoreEntryInRange(const ScoreEntry& e) {
  return Terminated(e.date, sizeof e.date) && Terminated(e.text, sizeof e.text) &&
         In(e.amount, -kAmountLimit, kAmountLimit);
}

bool ShopHeaderInRange(const ShopRecord& s) {
  return In(s.level, 0, 4) && In(s.occupiedCount, 0, kFloorMachines) &&
         CalendarTimeInRange(s.lastOpenTime);
}

bool ShopRecordInRange(const ShopRecord& s, int symbolHeight) {
  if (!ShopHeaderInRange(s)) return false;
  for (const ScoreEntry& e : s.highScores) {
    if (!ScoreEntryInRange(e)) return false;
  }
  for (const MachineRecord& m : s.machines) {
    if (!MachineRecordInRange(m, symbolHeight)) return false;
  }
  return true;
}

bool PlayerRecordInRange(const PlayerRecord& p) {
  if (p.inUse == 0) return AllZero(&p, sizeof p);
  if (p.inUse != 1) return false;
  const void* end = std::memchr(p.name, '\0', sizeof p.name);
  if (end == nullptr) return false;
  size_t length = static_cast<const char*>(end) - p.name;
  if (length < 1 || length > static_cast<size_t>(kMaxNameLength)) return false;
  for (const ScoreEntry& e : p.history) {
    if (!ScoreEntryInRange(e)) return false;
  }
  return In(p.wins, 0, kCounterLimit) && In(p.losses, 0, kCounterLimit) &&
         In(p.carriedMedals, 0, 15) && In(p.purse, 0, kAmountLimit) && ScoreEntryInRange(p.best);
}

bool PlayerArrayInRange(const PlayerRecord* players) {
  bool freeSeen = false;
  for (int k = 0; k < kPlayerRecords; ++k) {
    const PlayerRecord& p = players[k];
    if (!PlayerRecordInRange(p)) return false;
    if (p.inUse == 0) {
      freeSeen = true;
      continue;
    }
    if (freeSeen) return false;  // a gap: list indices would no longer be record indices
    for (int j = 0; j < k; ++j) {
      if (std::strcmp(players[j].name, p.name) == 0) return false;
    }
  }
  return true;
}
