// Names are code page 932 bytes: one or two bytes a character. Limiting a name must never cut
// a double-byte character in half.
#pragma once

// Bytes 0x81-0x9F and 0xE0-0xFC start a two-byte character.
inline bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Copies at most maxBytes bytes of the NUL-terminated text into out (which holds maxBytes + 1)
// and ends it with a NUL. A two-byte character that does not fit whole, or a lead byte with no
// second byte, is left out. Returns the bytes copied.
int LimitCp932(const char* text, char* out, int maxBytes);
