// The names a game's help gives its symbols, read from the game's help folder: one line per
// symbol code, "code name", with # starting a comment.
#pragma once

#include <map>
#include <string>

using SymbolNames = std::map<int, std::string>;

// Parses the text; false with a reason for a line that is not "code name" or a code given twice.
bool ParseSymbolNames(const std::string& text, SymbolNames* names, std::string* error);
