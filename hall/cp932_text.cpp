// Cutting code page 932 text by whole characters.
#include "hall/cp932_text.h"

int LimitCp932(const char* text, char* out, int maxBytes) {
  int n = 0;
  if (text != nullptr) {
    int i = 0;
    while (text[i] != '\0') {
      int width = IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
      if (width == 2 && text[i + 1] == '\0') break;  // a lone lead byte ends the text
      if (i + width > maxBytes) break;
      i += width;
    }
    n = i;
    for (int k = 0; k < n; ++k) out[k] = text[k];
  }
  out[n] = '\0';
  return n;
}
