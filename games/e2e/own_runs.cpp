// The table of the games' own runs.
#include "games/e2e/own_runs.h"

#include "games/e2e/no3_runs.h"
#include "games/e2e/no4_runs.h"

namespace {

struct OwnRun {
  int game;
  const char* name;
  bool (*prepare)(const std::string& run);
  void (*run)(const std::string& run, GameSession& g, const std::wstring& exe);
};

const OwnRun kOwnRuns[] = {
    {3, "no3", PrepareNo3Case, RunNo3Case},
    {4, "no4", PrepareNo4Case, RunNo4Case},
};

}  // namespace

bool PrepareOwnCase(const std::string& run) {
  for (const OwnRun& own : kOwnRuns) {
    if (run == own.name) return own.prepare(run);
  }
  return false;
}

void RunOwnCase(const std::string& run, GameSession& g, const std::wstring& exe) {
  for (const OwnRun& own : kOwnRuns) {
    if (run == own.name) own.run(run, g, exe);
  }
}

std::string OwnRunOf(int game) {
  for (const OwnRun& own : kOwnRuns) {
    if (own.game == game) return own.name;
  }
  return "";
}
