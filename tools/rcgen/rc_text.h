// Writing the string table into resource scripts: quoting for the resource compiler and
// the pieces of a game's script that come from the one table of texts.
#pragma once

#include <string>

// A resource-script string literal (quotes included) holding the UTF-8 text: quotes
// doubled, backslashes and control characters escaped.
std::string RcQuote(const char* text);

// The STRINGTABLE block of game 1..7, headed by the UTF-8 code page line.
std::string StringTableScript(int game);

// Macros the shared templates use for the game's own words: GAME_TITLE, GAME_MODEL and
// GAME_HELP_FILE.
std::string GameMacrosScript(int game);
