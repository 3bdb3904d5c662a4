// Visits: a visit's running result lives in history entry 0 from the choice of the player to
// the leaving of the shop; closing it decides win or loss and may enter the high scores.
#include "hall/visits.h"

#include <cstring>

#include "hall/cp932_text.h"
#include "hall/medal_exchange.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/seats.h"
#include "hall/string_id.h"
#include "hall/string_table.h"
#include "machine/machine_model.h"
#include "base/screen_id.h"
#include "hall/shop_clock.h"

namespace {

void TwoDigits(int v, char* out) {
  if (v < 0) v = 0;
  v %= 100;
  out[0] = static_cast<char>('0' + v / 10);
  out[1] = static_cast<char>('0' + v % 10);
}

int OccupiedSlots() {
  int n = 0;
  for (const PlayerSlot& s : PlayerSlots) {
    if (s.name[0] != '\0') ++n;
  }
  return n;
}

}  // namespace

void FormatVisitDate(const CalendarTime& when, char* out) {
  TwoDigits(when.month + 1, out);
  out[2] = '/';
  TwoDigits(when.dayOfMonth, out + 3);
  out[5] = '\0';
}

HallMessage EnterShopRefusal() {
  if (CountEnrolled() <= OccupiedSlots()) return Message(TextNoPlayerToSeat, IconWarning);
  const PlayerSlot& slot = *CurrentSlot.slot;
  const ShopRecord* shop = slot.shopRecord;
  if (shop != nullptr && shop->level == 0) {
    return Message(slot.shop == ShopNight ? TextNightShopHours : TextDayShopHours, IconWarning);
  }
  return Message(0, IconNone);
}

int StartVisit(int index) {
  if (index < 0 || index >= kPlayerRecords || Players[index].inUse != 1) return 0;
  PlayerRecord& p = Players[index];
  if (FindSlotByName(p.name) != nullptr) return 0;
  PlayerSlot& slot = *CurrentSlot.slot;
  std::memset(slot.name, 0, sizeof slot.name);
  LimitCp932(p.name, slot.name, kMaxNameLength);
  for (int k = kHistoryVisits - 1; k > 0; --k) p.history[k] = p.history[k - 1];
  ScoreEntry& visit = p.history[0];
  visit = ScoreEntry{};
  FormatVisitDate(LocalTimeCopy, visit.date);
  const char* model = GameText(ActiveMachine().number, TextModelName);
  LimitCp932(model, visit.text, 23);
  visit.amount = 0;
  return 1;
}

int EnterHighScore(ShopRecord& shop, const char* name, int32_t amount, const CalendarTime& when) {
  int place = -1;
  for (int i = 0; i < kHighScorePlaces; ++i) {
    if (shop.highScores[i].amount < amount) {
      place = i;
      break;
    }
  }
  if (place < 0) return -1;
  for (int i = kHighScorePlaces - 1; i > place; --i) shop.highScores[i] = shop.highScores[i - 1];
  ScoreEntry& e = shop.highScores[place];
  e = ScoreEntry{};
  FormatVisitDate(when, e.date);
  LimitCp932(name, e.text, kMaxNameLength);
  e.amount = amount;
  return place;
}

HallMessage CloseVisit() {
  PlayerSlot& slot = *CurrentSlot.slot;
  PlayerRecord* p = FindPlayer(slot.name);
  if (p == nullptr) return Message(0, IconNone);
  int32_t v = p->history[0].amount;
  if (v > 0) p->wins += 1;
  if (v < 0) p->losses += 1;
  if (slot.shopRecord != nullptr) EnterHighScore(*slot.shopRecord, p->name, v, LocalTimeCopy);
  if (p->best.amount < v) {
    std::memcpy(p->best.date, p->history[0].date, sizeof p->best.date);
    std::memcpy(p->best.text, p->history[0].text, sizeof p->best.text);
    p->best.amount = v;
  }
  return NamedMessage(TextFarewell, IconInformation, p->name);
}

void FreeSlotAfterVisit() {
  PlayerSlot& slot = *CurrentSlot.slot;
  slot.screen = ScreenTitle;
  slot.hallCursor = kNoMachine;
  std::memset(slot.name, 0, sizeof slot.name);
}

void CloseAllVisitsQuietly() {
  for (int i = 0; i < kPlayerSlots; ++i) {
    if (PlayerSlots[i].name[0] == '\0') continue;
    MakeSlotCurrent(i);
    LeaveSeat(i);  // nothing for a player on foot
    CashOut(i);
    CloseVisit();
    FreeSlotAfterVisit();
  }
  MakeSlotCurrent(0);
}

int WinRate(const PlayerRecord& p) {
  int64_t decided = static_cast<int64_t>(p.wins) + p.losses;
  if (decided <= 0) return 100;
  return static_cast<int>(static_cast<int64_t>(p.wins) * 100 / decided);
}

void FormatWinRate(const PlayerRecord& p, char* out) {
  int r = WinRate(p);
  if (r < 0) r = 0;
  if (r > 100) r = 100;
  int n = 0;
  if (r == 100) out[n++] = '1';
  out[n++] = r >= 10 ? static_cast<char>('0' + (r / 10) % 10) : ' ';
  out[n++] = static_cast<char>('0' + r % 10);
  out[n] = '\0';
}
