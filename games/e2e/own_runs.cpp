// The table of the games' own runs.
#include "games/e2e/own_runs.h"

#include "games/e2e/no2_runs.h"
#include "games/e2e/no3_runs.h"
#include "games/e2e/no4_runs.h"
#include "games/e2e/no5_runs.h"

namespace {

// A game's run, and the one it plays with a sound device ("own-sound"), if any.
struct OwnRun {
  int game;
  const char* name;
  const char* soundName;
  bool (*prepare)(const std::string& run);
  void (*run)(const std::string& run, GameSession& g, const std::wstring& exe);
};

const OwnRun kOwnRuns[] = {
    {2, "no2play", "no2sound", PrepareNo2Case, RunNo2Case},
    {3, "no3", nullptr, PrepareNo3Case, RunNo3Case},
    {4, "no4", nullptr, PrepareNo4Case, RunNo4Case},
    {5, "no5", nullptr, PrepareNo5Case, RunNo5Case},
    {7, "no2play", "no2sound", PrepareNo2Case, RunNo2Case},
};

bool Named(const OwnRun& own, const std::string& run) {
  return run == own.name || (own.soundName != nullptr && run == own.soundName);
}

}  // namespace

bool PrepareOwnCase(const std::string& run) {
  for (const OwnRun& own : kOwnRuns) {
    if (Named(own, run)) return own.prepare(run);
  }
  return false;
}

void RunOwnCase(const std::string& run, GameSession& g, const std::wstring& exe) {
  for (const OwnRun& own : kOwnRuns) {
    if (Named(own, run)) {
      own.run(run, g, exe);
      return;
    }
  }
}

std::string OwnRunOf(int game, bool sound) {
  for (const OwnRun& own : kOwnRuns) {
    if (own.game != game) continue;
    return sound ? (own.soundName != nullptr ? own.soundName : "") : own.name;
  }
  return "";
}
