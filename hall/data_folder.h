// Where the save files live: the folder "tavri" below the user's documents folder, shared by
// all seven games. The window layer tells the documents folder; tests give a temporary one.
#pragma once

// Paths are limited to 260 bytes with their terminating NUL.
constexpr int kPathBytes = 260;

// The user's documents folder (no trailing separator needed), as the system names it. Until one
// is set (the system may name none), the user's own folder serves instead: USERPROFILE on
// Windows, HOME elsewhere; without that, the folder the game was started from.
void SetDocumentsFolder(const char* path);

// The data folder followed by the file name into out (kPathBytes), creating the data folder
// when it does not exist. False, with out empty, when there is no documents folder or the path
// would not fit in 260 bytes.
bool DataFolder(const char* fileName, char* out);
