// The two save files: the hall file of this game (both shops, 6440 bytes) and the player file
// of the whole family (eight players, 1856 bytes), loaded once at start and saved at the end.
#pragma once

constexpr int kHallFileBytes = 6440;
constexpr int kPlayerFileBytes = 1856;

enum SaveDataPart { HallPart = 1, PlayerPart = 2 };

// Loads both files from the data folder. A hall file that is missing, short, fails a checksum
// or holds a value out of range gives two fresh shops; such a player file gives no players.
// A file that was there but rejected is kept aside as "<name>.bad". Returns the parts that
// were accepted (HallPart | PlayerPart).
int LoadData();

// Writes both files, each through a temporary file that replaces the old one in one step, so
// a failed save leaves the last good file in place. The player file is written even when the
// hall file cannot be. Returns the parts written.
int SaveData();

// The fresh state of a missing hall file: every machine of both shops fully reset, empty
// high-score tables, level, count and last open time zero.
void ResetShopsToDefaults();
// No players: all eight records zero.
void ClearPlayers();

// The same for files at given paths (the data folder's paths in the game; tests and tools may
// give their own). Each returns true when the file was accepted or written.
bool LoadHallFile(const char* path);
bool LoadPlayerFile(const char* path);
bool SaveHallFile(const char* path);
bool SavePlayerFile(const char* path);
