// rcgen: writes the generated parts of a game's resource script.
//   rcgen strings GAME out.rc     the STRINGTABLE
//   rcgen macros GAME out.rch     GAME_TITLE, GAME_MODEL, GAME_HELP_FILE for the templates
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hall/string_table.h"
#include "tools/rcgen/rc_text.h"

int main(int argc, char** argv) {
  const int game = argc == 4 ? std::atoi(argv[2]) : 0;
  if (argc != 4 || game < 1 || game > kGameCount ||
      (std::strcmp(argv[1], "strings") != 0 && std::strcmp(argv[1], "macros") != 0)) {
    std::fprintf(stderr, "usage: rcgen strings|macros GAME(1-7) out\n");
    return 2;
  }
  const std::string text =
      std::strcmp(argv[1], "strings") == 0 ? StringTableScript(game) : GameMacrosScript(game);
  FILE* out = std::fopen(argv[3], "wb");
  if (!out) {
    std::fprintf(stderr, "rcgen: cannot write %s\n", argv[3]);
    return 1;
  }
  const bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fclose(out) != 0 || !ok) {
    std::fprintf(stderr, "rcgen: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
