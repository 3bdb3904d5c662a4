// helpcheck: checks a game's compiled help as a player's viewer would need it, and that the
// game's program asks for that file.
//   helpcheck help DIR GAME        DIR: the files an independent reader took out of the .chm
//   helpcheck program EXE GAME     string-table entry 43 of EXE names the help beside it
// Prints what it found and every failure; the exit code is the number of failures.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/helpcheck/help_checks.h"

int main(int argc, char** argv) {
  int game = argc == 4 ? std::atoi(argv[3]) : 0;
  std::string mode = argc == 4 ? argv[1] : "";
  if (game < 1 || game > 7 || (mode != "help" && mode != "program")) {
    std::fprintf(stderr, "usage: helpcheck help DIR GAME | helpcheck program EXE GAME\n");
    return 2;
  }
  std::vector<std::string> failures;
  if (mode == "help") {
    HelpReport report = CheckExtractedHelp(argv[2], game);
    std::printf("%s: %d topics in the contents, %d index entries, %d pages, %d pictures, "
                "%d internal links\n",
                ExpectedHelpFile(game).c_str(), report.topics, report.indexEntries, report.pages,
                report.pictures, report.links);
    failures = report.failures;
  } else {
    failures = CheckProgramHelpName(argv[2], game);
    if (failures.empty()) {
      std::printf("%s asks for %s, which lies beside it\n", argv[2], ExpectedHelpFile(game).c_str());
    }
  }
  for (const std::string& failure : failures) std::printf("FAIL %s\n", failure.c_str());
  std::printf("%zu failed\n", failures.size());
  return failures.size() > 100 ? 100 : static_cast<int>(failures.size());
}
