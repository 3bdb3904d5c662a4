// What a player rule asks the window layer to show: a string-table entry, its icon and its
// arguments. The name stays in code page 932; the window layer converts and formats.
#pragma once

#include <cstdint>

#include "hall/player_record.h"

enum MessageIcon { IconNone = 0, IconWarning = 1, IconInformation = 2, IconQuestion = 3 };

struct HallMessage {
  int stringId;                  // 0: nothing to show
  int icon;                      // MessageIcon
  char name[kPlayerNameBytes];   // the "%s" name of entries 17, 18, 19 and 34
  int32_t value[3];              // entry 18: medals, yen, odd medals (the first two grouped)
};

// A message with no name and no values.
HallMessage Message(int stringId, int icon);
// A message naming a player.
HallMessage NamedMessage(int stringId, int icon, const char* name);
