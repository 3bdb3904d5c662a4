// The string table is written from GameText, so the resource script, the program and the
// resource check all read the same texts.
#include "tools/rcgen/rc_text.h"

#include <cstdio>

#include "hall/string_table.h"

std::string RcQuote(const char* text) {
  std::string out = "\"";
  for (const char* p = text; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"') {
      out += "\"\"";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);  // two digits exactly
      out += escaped;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

std::string StringTableScript(int game) {
  std::string out = "#pragma code_page(65001)\n";
  out += "// The string table of MERIDOLA No." + std::to_string(game) +
         ", written by rcgen from the game's texts.\n";
  out += "STRINGTABLE\nBEGIN\n";
  for (int i = 0; i < kStringTableIdCount; ++i) {
    const int id = kStringTableIds[i];
    const char* text = GameText(game, id);
    if (!text) continue;
    out += "  " + std::to_string(id) + ", " + RcQuote(text) + "\n";
  }
  out += "END\n";
  return out;
}

std::string GameMacrosScript(int game) {
  std::string out = "#pragma code_page(65001)\n";
  out += "// The words the shared templates take from the string table of MERIDOLA No." +
         std::to_string(game) + ".\n";
  out += "#define GAME_TITLE " + RcQuote(GameText(game, 1)) + "\n";
  out += "#define GAME_MODEL " + RcQuote(GameText(game, 2)) + "\n";
  out += "#define GAME_HELP_FILE " + RcQuote(GameText(game, 43)) + "\n";
  return out;
}
