// The string table of all seven games: one source from which the core's texts and each game's
// resource string table are made. Texts are UTF-8 here; files and shared memory use code page
// 932, and the window layer converts to UTF-16 at its boundary.
#pragma once

constexpr int kGameCount = 7;

// Text of string id for game 1..7, or null when the table has no such entry.
const char* GameText(int game, int id);

// Every id of the table, in ascending order.
extern const int kStringTableIds[];
extern const int kStringTableIdCount;
