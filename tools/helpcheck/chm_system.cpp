// #SYSTEM: a version word, then entries of a 16-bit code, a 16-bit length and that many bytes.
#include "tools/helpcheck/chm_system.h"

namespace {

uint32_t Little(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  }
  return value;
}

// A string entry ends at its first NUL.
std::string Text(const std::string& data) { return data.substr(0, data.find('\0')); }

}  // namespace

bool ParseChmSystem(const std::string& bytes, ChmSystem* system) {
  if (bytes.size() < 4) return false;
  size_t at = 4;
  while (at + 4 <= bytes.size()) {
    uint32_t code = Little(bytes, at, 2);
    size_t length = Little(bytes, at + 2, 2);
    if (at + 4 + length > bytes.size()) return false;
    std::string data = bytes.substr(at + 4, length);
    switch (code) {
      case 0: system->contentsFile = Text(data); break;
      case 1: system->indexFile = Text(data); break;
      case 2: system->defaultTopic = Text(data); break;
      case 3: system->title = Text(data); break;
      case 4:
        if (length >= 4) system->lcid = Little(data, 0, 4);
        break;
      default: break;
    }
    at += 4 + length;
  }
  return at == bytes.size();
}
