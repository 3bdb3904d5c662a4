// Reading the symbol names of a game's help.
#include "tools/helpgen/symbol_names.h"

#include <sstream>

bool ParseSymbolNames(const std::string& text, SymbolNames* names, std::string* error) {
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos) continue;
    size_t end = line.find_first_not_of("0123456789", start);
    size_t nameStart = end == std::string::npos ? end : line.find_first_not_of(" \t", end);
    size_t nameEnd = line.find_last_not_of(" \t\r");
    if (end == start || end == std::string::npos || nameStart == std::string::npos ||
        (line[end] != ' ' && line[end] != '\t')) {
      *error = "line " + std::to_string(number) + ": expected \"code name\"";
      return false;
    }
    int code = std::stoi(line.substr(start, end - start));
    if (names->count(code)) {
      *error = "line " + std::to_string(number) + ": code " + std::to_string(code) + " named twice";
      return false;
    }
    (*names)[code] = line.substr(nameStart, nameEnd + 1 - nameStart);
  }
  return true;
}
