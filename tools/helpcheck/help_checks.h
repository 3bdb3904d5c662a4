// The checks of a compiled help file, run on the files an independent reader took out of it:
// the viewer's #SYSTEM, every topic of the contents tree and the index, every page's encoding,
// links and pictures.
#pragma once

#include <string>
#include <vector>

struct HelpReport {
  std::vector<std::string> failures;
  int topics = 0, indexEntries = 0, pages = 0, pictures = 0, links = 0;
};

// Checks the help of game N (1..7) taken out into dir.
HelpReport CheckExtractedHelp(const std::string& dir, int game);

// Checks that the program asks for the help file of game N: string-table entry 43.
std::vector<std::string> CheckProgramHelpName(const std::string& exePath, int game);

// "Kv4401.chm" .. "Kv4407.chm", "MERIDOLA No.1 Help" .. : what game N's help must be called.
std::string ExpectedHelpFile(int game);
std::string ExpectedHelpTitle(int game);
