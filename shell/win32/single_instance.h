// The family's single-instance guard: the shared memory "TAVRISharedDATA" with the running
// game's refusal text in Shift-JIS. Windows only.
#pragma once

#include <windows.h>

// True when this game may run (it then holds the shared memory until ReleaseSingleInstance);
// false after the refusal box was shown.
bool ClaimSingleInstance();
void ReleaseSingleInstance();

// The running game's text from a view of the shared memory, read up to its NUL but never past
// the 4096 bytes of the object.
void RunningGameText(const char* view, wchar_t* out, int chars);
