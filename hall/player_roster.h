// The enrolled players: finding one by name, the lines of the player list, enrolment and
// deletion. The dialogs only show what these return.
#pragma once

#include "hall/hall_message.h"
#include "hall/player_record.h"

// The enrolled player with this name (exact bytes), or null.
PlayerRecord* FindPlayer(const char* name);

int CountEnrolled();

// One line of the player list (list index = record index). A player in the hall shows the
// slot's label, anyone else four blanks; only those may be chosen or deleted.
struct PlayerListLine {
  int slotLabelId;   // TextSlotLabelP1 + slot when the player is in a slot, else 0
  const char* name;  // the record's name, code page 932
  bool choosable;    // the line begins with a blank
};
// Fills one line per enrolled record and returns their number.
int FillPlayerList(PlayerListLine lines[kPlayerRecords]);

// Label of the player information dialog: "Ｐ１".."Ｐ４" for a player in a slot, else "****".
int PlayerSlotLabelId(const PlayerRecord& p);

// Enrolment with the name as typed (code page 932, at most 22 bytes: a longer name is refused,
// never cut). Returns the new record number 1..8, or 0 with the refusal in `refusal`
// ("お名前を入力して下さい。", the length limit, or "この方は、既に登録して有ります。";
// nothing when all eight records are taken).
int EnrolPlayer(const char* typedName, HallMessage& refusal);

// The question before deleting the player at list index i (a warning with OK and Cancel).
HallMessage DeleteQuestion(int index);
// Deletes the player at index i unless the player is in a slot: the later records move up and
// the last becomes all zero. Returns 1 when deleted.
int DeletePlayer(int index);
// The list selection after deleting the line at oldIndex; -1 when no player is left.
int SelectionAfterDelete(int oldIndex);
