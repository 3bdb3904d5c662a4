// The #SYSTEM file of a compiled help file: its title, language and default files, which the
// viewer reads before anything else.
#pragma once

#include <cstdint>
#include <string>

struct ChmSystem {
  std::string contentsFile;  // code 0
  std::string indexFile;     // code 1
  std::string defaultTopic;  // code 2
  std::string title;         // code 3, bytes in the help's code page
  uint32_t lcid = 0;         // code 4
};

// Parses the bytes of #SYSTEM; false when they are not a list of code, length, data entries.
bool ParseChmSystem(const std::string& bytes, ChmSystem* system);
