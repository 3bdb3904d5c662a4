// The few file operations the C library does not offer portably: replacing a file in one step,
// pushing a written file to the disk, and making a folder. Paths are narrow strings in the
// system's own encoding (the ANSI code page on Windows).
#pragma once

#include <cstdio>

// Replaces `to` with `from` in one step: a reader sees the old file or the new one, never a
// mix. Returns false and leaves `to` as it was when the replace fails.
bool ReplaceFileInOneStep(const char* from, const char* to);

// Flushes a file written with stdio through to the disk before it is closed.
bool FlushFileToDisk(std::FILE* file);

// Creates one folder (its parent must exist). True when the folder exists afterwards.
bool MakeFolder(const char* path);

// The current folder of the process into out (bytes with its NUL); false when it does not fit.
bool CurrentFolder(char* out, int bytes);

// Is there anything (a file or a folder) at this path?
bool PathExists(const char* path);

// Waits a little while, for another program to let go of a file.
void PauseBriefly(int milliseconds);

// The separator between folders in a path: a backslash on Windows.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif
