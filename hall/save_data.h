// The two save files: the hall file of this game (both shops, 6440 bytes) and the player file
// of the whole family (eight players, 1856 bytes), loaded once at start and saved at the end.
#pragma once

#include "hall/hall_message.h"

constexpr int kHallFileBytes = 6440;
constexpr int kPlayerFileBytes = 1856;

enum SaveDataPart { HallPart = 1, PlayerPart = 2 };

// What became of one file at its load.
enum LoadOutcome {
  LoadAccepted,      // believed as it was
  LoadMissing,       // there was none: defaults
  LoadRepaired,      // only its bad records start afresh; a copy of the file was kept aside
  LoadRejected,      // not of its layout's size: defaults; a copy of the file was kept aside
  LoadUnreadable,    // there, but it could not be read: defaults; the file is never saved over
  LoadNotKeptAside,  // repaired or rejected, but no copy could be made: never saved over
};

// Loads both files from the data folder. A player record or a machine out of range, or with
// a bad checksum, costs that record alone (a shop whose checksum fails starts afresh alone);
// a file of the wrong size gives defaults. Such a file is kept aside as "<name>.bad" (or
// "<name>.bad1" .. ".bad9" when that cannot be made). A file that is there but cannot be
// read, even after a short wait, is left alone and not saved over. Returns the parts that
// were accepted as they were (HallPart | PlayerPart).
int LoadData();

// Writes both files, each through a temporary file that replaces the old one in one step, so
// a failed save leaves the last good file in place. A file the load left alone is not
// written. The player file is written even when the hall file cannot be. Returns the parts
// written.
int SaveData();

// Once per file that could not be read at the last LoadData: the message that tells the
// player it is kept and not saved over. False when there is nothing (more) to tell.
bool TakeLoadWarning(HallMessage& out);

// The fresh state of a missing hall file: every machine of both shops fully reset, empty
// high-score tables, level, count and last open time zero.
void ResetShopsToDefaults();
// No players: all eight records zero.
void ClearPlayers();

// The same for files at given paths (the data folder's paths in the game; tests and tools may
// give their own).
LoadOutcome ReadHallFile(const char* path);
LoadOutcome ReadPlayerFile(const char* path);
// True when the file was accepted as it was.
bool LoadHallFile(const char* path);
bool LoadPlayerFile(const char* path);
// True when the file was written.
bool SaveHallFile(const char* path);
bool SavePlayerFile(const char* path);
