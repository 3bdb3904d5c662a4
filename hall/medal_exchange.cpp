// Yen to medals and back. Sums are taken in 64 bits and held within the shown range, so no
// purse or visit result can wrap around, whatever a long run brings.
#include "hall/medal_exchange.h"

#include "games/common/resource_ids.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/string_id.h"

const ExchangeRow kExchangeTable[kExchangeRows] = {
    {IDC_MEDALS_50, 50, 1000},
    {IDC_MEDALS_250, 250, 5000},
    {IDC_MEDALS_500, 500, 10000},
};

int ExchangeButton = IDC_MEDALS_50;

void ResetExchangeButton() { ExchangeButton = kExchangeTable[0].button; }

namespace {

int32_t AddYen(int32_t a, int64_t b) {
  int64_t v = static_cast<int64_t>(a) + b;
  if (v > kYenLimit) v = kYenLimit;
  if (v < -kYenLimit) v = -kYenLimit;
  return static_cast<int32_t>(v);
}

const ExchangeRow* RowOfButton(int button) {
  for (const ExchangeRow& row : kExchangeTable) {
    if (row.button == button) return &row;
  }
  return nullptr;
}

}  // namespace

HallMessage ExchangeMedals(int button) {
  PlayerSlot& slot = *CurrentSlot.slot;
  PlayerRecord* p = FindPlayer(slot.name);
  const ExchangeRow* row = RowOfButton(button);
  if (p == nullptr || row == nullptr || !SlotIsSeated(slot) || slot.machine == nullptr) {
    return Message(0, IconNone);
  }
  if (p->purse < row->yen) return Message(TextShortPurse, IconWarning);
  MachineRecord& m = *slot.machine;
  m.medals += row->yen / kYenPerMedal;
  p->purse = AddYen(p->purse, -row->yen);
  p->history[0].amount = AddYen(p->history[0].amount, -row->yen);
  if (m.pendingNotice == NoticeOutOfMedals) m.pendingNotice = NoticeNone;
  ExchangeButton = row->button;
  return Message(0, IconNone);
}

HallMessage CashOut(int slotIndex) {
  if (slotIndex < 0 || slotIndex >= kPlayerSlots) return Message(0, IconNone);
  PlayerSlot& slot = PlayerSlots[slotIndex];
  int32_t medals = slot.medalsToCashOut;
  if (medals <= 0) return Message(0, IconNone);
  slot.medalsToCashOut = 0;
  PlayerRecord* p = FindPlayer(slot.name);
  if (p == nullptr) return Message(0, IconNone);
  int64_t yen = static_cast<int64_t>(medals / kCashOutLot) * kYenPerLot;
  int32_t odd = medals % kCashOutLot;
  p->purse = AddYen(p->purse, yen);
  p->history[0].amount = AddYen(p->history[0].amount, yen);
  p->carriedMedals = odd;
  HallMessage shown = NamedMessage(TextCashOut, IconInformation, p->name);
  shown.value[0] = medals;
  shown.value[1] = static_cast<int32_t>(yen > kYenLimit ? kYenLimit : yen);
  shown.value[2] = odd;
  return shown;
}
