// Text at the window layer's edges: the string table's UTF-8 and the save files' Shift-JIS
// (code page 932) to and from the UTF-16 of the ...W functions, and the message boxes of the
// game, captioned with its title. Windows only.
#pragma once

#include <windows.h>

#include "hall/hall_message.h"

constexpr int kWideTextChars = 512;

// Conversions into a buffer of `chars` wide characters; always NUL-terminated.
void Utf8ToWide(const char* text, wchar_t* out, int chars);
void Cp932ToWide(const char* text, wchar_t* out, int chars);
// A Shift-JIS copy of a wide text (at most bytes - 1 bytes and a NUL). False, with out
// empty, when a character has no Shift-JIS form or the text does not fit.
bool WideToCp932(const wchar_t* text, char* out, int bytes);

// A string-table text as UTF-16, in one of two buffers (0 caption, 1 message).
const wchar_t* TextW(int buffer, int id);

// MessageBoxW owned by `owner`, captioned with the game title.
int GameMessageBox(HWND owner, const wchar_t* text, UINT style);
// A message of the hall's rules, formatted with its name and values; icon as the rule says.
// Returns the button pressed (IDOK when there was nothing to show).
int ShowHallMessage(HWND owner, const HallMessage& message, UINT extraStyle = 0);
// The text such a message shows.
void FormatHallMessage(const HallMessage& message, wchar_t* out, int chars);
