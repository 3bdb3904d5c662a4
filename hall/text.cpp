// The two text buffers and the loader. A text too long for its buffer is cut at a character
// boundary, never inside a multi-byte character.
#include "hall/text.h"

#include "hall/string_table.h"
#include "machine/machine_model.h"

namespace {
char textBuffers[2][kTextBufferBytes];
}

const char* LoadText(int buffer, int id) {
  char* out = textBuffers[buffer == 1 ? 1 : 0];
  const char* text = GameText(ActiveMachine().number, id);
  int n = 0;
  if (text != nullptr) {
    while (text[n] != '\0' && n < kTextBufferBytes - 1) ++n;
    // Step back over continuation bytes so no character is cut in half.
    if (text[n] != '\0') {
      while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    for (int i = 0; i < n; ++i) out[i] = text[i];
  }
  out[n] = '\0';
  return out;
}
