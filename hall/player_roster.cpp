// The eight player records. Enrolled players always fill the records from index 0 without a
// gap, so a list index is a record index.
#include "hall/player_roster.h"

#include <cstring>

#include "hall/cp932_text.h"
#include "hall/player_slot.h"
#include "hall/string_id.h"

PlayerRecord Players[kPlayerRecords];

HallMessage Message(int stringId, int icon) {
  HallMessage m{};
  m.stringId = stringId;
  m.icon = icon;
  return m;
}

HallMessage NamedMessage(int stringId, int icon, const char* name) {
  HallMessage m = Message(stringId, icon);
  if (name != nullptr) LimitCp932(name, m.name, kPlayerNameBytes - 1);
  return m;
}

PlayerRecord* FindPlayer(const char* name) {
  if (name == nullptr || name[0] == '\0') return nullptr;
  for (PlayerRecord& p : Players) {
    if (p.inUse == 1 && std::strncmp(p.name, name, kPlayerNameBytes) == 0) return &p;
  }
  return nullptr;
}

int CountEnrolled() {
  int n = 0;
  for (const PlayerRecord& p : Players) {
    if (p.inUse == 1) ++n;
  }
  return n;
}

int PlayerSlotLabelId(const PlayerRecord& p) {
  const PlayerSlot* slot = FindSlotByName(p.name);
  return slot != nullptr ? TextSlotLabelP1 + slot->slotNumber : TextNotInHall;
}

int FillPlayerList(PlayerListLine lines[kPlayerRecords]) {
  int n = 0;
  for (const PlayerRecord& p : Players) {
    if (p.inUse != 1) continue;
    const PlayerSlot* slot = FindSlotByName(p.name);
    lines[n].slotLabelId = slot != nullptr ? TextSlotLabelP1 + slot->slotNumber : 0;
    lines[n].name = p.name;
    lines[n].choosable = slot == nullptr;
    ++n;
  }
  return n;
}

int EnrolPlayer(const char* typedName, HallMessage& refusal) {
  refusal = Message(0, IconNone);
  if (std::strlen(typedName) > static_cast<size_t>(kMaxNameLength)) {
    // Cutting would enrol someone other than the player typed (15 full-width characters
    // would become 11), so the player shortens the name.
    refusal = Message(TextNameTooLong, IconWarning);
    return 0;
  }
  char name[kMaxNameLength + 1];
  LimitCp932(typedName, name, kMaxNameLength);
  if (name[0] == '\0') {
    refusal = Message(TextEmptyName, IconWarning);
    return 0;
  }
  if (FindPlayer(name) != nullptr) {
    refusal = Message(TextDuplicateName, IconWarning);
    return 0;
  }
  for (int k = 0; k < kPlayerRecords; ++k) {
    PlayerRecord& p = Players[k];
    if (p.inUse == 1) continue;
    p = PlayerRecord{};
    p.inUse = 1;
    std::memcpy(p.name, name, sizeof name);
    p.purse = kEnrolmentPurse;
    return k + 1;
  }
  return 0;
}

HallMessage DeleteQuestion(int index) {
  if (index < 0 || index >= kPlayerRecords || Players[index].inUse != 1) return Message(0, IconNone);
  return NamedMessage(TextDeleteQuestion, IconWarning, Players[index].name);
}

int DeletePlayer(int index) {
  if (index < 0 || index >= kPlayerRecords || Players[index].inUse != 1) return 0;
  if (FindSlotByName(Players[index].name) != nullptr) return 0;  // in the hall: kept
  for (int k = index; k + 1 < kPlayerRecords; ++k) Players[k] = Players[k + 1];
  Players[kPlayerRecords - 1] = PlayerRecord{};
  return 1;
}

int SelectionAfterDelete(int oldIndex) {
  int count = CountEnrolled();
  if (count == 0) return -1;
  return oldIndex < count - 1 ? oldIndex : count - 1;
}
