// Walks the PE resource tree: type RT_STRING (6), then the block of sixteen strings that holds
// the id (id / 16 + 1), then its first language; each string is a length and UTF-16 units.
#include "tools/helpcheck/pe_strings.h"

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kStringType = 6;

struct Reader {
  const std::string& bytes;
  bool ok = true;
  uint32_t At(size_t offset, int width) {
    if (offset + static_cast<size_t>(width) > bytes.size()) {
      ok = false;
      return 0;
    }
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
      value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(i)]);
    }
    return value;
  }
};

struct Section {
  uint32_t virtualAddress, virtualSize, rawOffset;
};

// The directory entry for `id` (by number) in the resource directory at `dir`; its offset word,
// or -1. The first entry is taken when id is negative.
int64_t FindEntry(Reader& in, size_t rsrc, size_t dir, int64_t id) {
  uint32_t named = in.At(rsrc + dir + 12, 2);
  uint32_t numbered = in.At(rsrc + dir + 14, 2);
  for (uint32_t i = 0; i < named + numbered && in.ok; ++i) {
    size_t entry = rsrc + dir + 16 + 8 * i;
    uint32_t name = in.At(entry, 4);
    if (id < 0 || (!(name & 0x80000000u) && name == id)) return in.At(entry + 4, 4);
  }
  return -1;
}

std::string Utf8(const std::vector<uint16_t>& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

bool ReadProgramString(const std::string& image, int id, std::string* utf8, std::string* error) {
  Reader in{image};
  if (in.At(0, 2) != 0x5A4D) {  // "MZ"
    *error = "not a program file";
    return false;
  }
  size_t pe = in.At(0x3C, 4);
  if (in.At(pe, 4) != 0x4550) {  // "PE\0\0"
    *error = "no PE header";
    return false;
  }
  uint32_t sectionCount = in.At(pe + 6, 2);
  size_t optional = pe + 24;
  uint32_t optionalSize = in.At(pe + 20, 2);
  bool plus = in.At(optional, 2) == 0x20B;  // PE32+ of a 64-bit program
  size_t directories = optional + (plus ? 112 : 96);
  uint32_t rsrcRva = in.At(directories + 2 * 8, 4);  // data directory 2: resources
  std::vector<Section> sections;
  for (uint32_t i = 0; i < sectionCount; ++i) {
    size_t header = optional + optionalSize + 40 * i;
    sections.push_back({in.At(header + 12, 4), in.At(header + 8, 4), in.At(header + 20, 4)});
  }
  auto fileOffset = [&](uint32_t rva) -> int64_t {
    for (const Section& s : sections) {
      if (rva >= s.virtualAddress && rva < s.virtualAddress + s.virtualSize) {
        return static_cast<int64_t>(rva - s.virtualAddress + s.rawOffset);
      }
    }
    return -1;
  };
  int64_t rsrc = fileOffset(rsrcRva);
  if (!in.ok || rsrcRva == 0 || rsrc < 0) {
    *error = "no resources";
    return false;
  }
  int64_t type = FindEntry(in, static_cast<size_t>(rsrc), 0, kStringType);
  int64_t block = type < 0 || !(type & 0x80000000u) ? -1
                  : FindEntry(in, static_cast<size_t>(rsrc), type & 0x7FFFFFFF, id / 16 + 1);
  int64_t language = block < 0 || !(block & 0x80000000u) ? -1
                     : FindEntry(in, static_cast<size_t>(rsrc), block & 0x7FFFFFFF, -1);
  if (!in.ok || language < 0 || (language & 0x80000000u)) {
    *error = "no string block for id " + std::to_string(id);
    return false;
  }
  size_t dataEntry = static_cast<size_t>(rsrc) + static_cast<size_t>(language);
  int64_t data = fileOffset(in.At(dataEntry, 4));
  uint32_t size = in.At(dataEntry + 4, 4);
  if (!in.ok || data < 0) {
    *error = "string block outside the file";
    return false;
  }
  size_t at = static_cast<size_t>(data);
  for (int index = 0; index < 16 && in.ok; ++index) {
    uint32_t length = in.At(at, 2);
    std::vector<uint16_t> units;
    for (uint32_t k = 0; k < length; ++k) {
      units.push_back(static_cast<uint16_t>(in.At(at + 2 + 2 * k, 2)));
    }
    if (index == id % 16) {
      if (!in.ok || at + 2 + 2 * length > static_cast<size_t>(data) + size) break;
      if (length == 0) {
        *error = "string " + std::to_string(id) + " is empty";
        return false;
      }
      *utf8 = Utf8(units);
      return true;
    }
    at += 2 + 2 * length;
  }
  *error = "string " + std::to_string(id) + " cannot be read";
  return false;
}
