// slotsim: plays one machine by automatic operation on the simulated tick and prints what
// it paid, its bonuses and how fast it ran; --table plays every machine in the hall.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "machine/machine_model.h"
#include "tools/slotsim/payout_table.h"
#include "tools/slotsim/sim_session.h"

namespace {

struct Options {
  int machine = 1;
  int setting = 3;
  long long games = 100000;
  unsigned long seed = 1;
  bool json = false;
  bool table = false;
  int jobs = 2;
};

void Usage() {
  std::fprintf(stderr,
               "usage: slotsim [--machine N] [--setting 1..6] [--games G] [--seed S] [--json]\n"
               "       slotsim --table [--seed S] [--jobs J]\n"
               "  --machine N   game number of the machine (default 1)\n"
               "  --setting S   lottery setting 1..6 (default 3, the games' own)\n"
               "  --games G     games to play (default 100000)\n"
               "  --seed S      seed of the random source (default 1)\n"
               "  --json        print one JSON object\n"
               "  --table       every machine at settings 1..6 played in the hall among its customers:\n"
               "                payout rate with its 95%% interval (played until it is within 0.5\n"
               "                points), that of players who stop every reel at the best moment\n"
               "                (within 1.5 points), and games per bonus\n"
               "  --jobs J      processes playing the table's cells side by side (default 2)\n");
}

bool ParseNumber(const char* text, long long low, long long high, long long& out) {
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < low || v > high) return false;
  out = v;
  return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    long long v = 0;
    bool hasValue = i + 1 < argc;
    if (std::strcmp(a, "--json") == 0) {
      o.json = true;
    } else if (std::strcmp(a, "--table") == 0) {
      o.table = true;
    } else if (std::strcmp(a, "--jobs") == 0 && hasValue && ParseNumber(argv[++i], 1, 64, v)) {
      o.jobs = static_cast<int>(v);
    } else if (std::strcmp(a, "--machine") == 0 && hasValue && ParseNumber(argv[++i], 1, 7, v)) {
      o.machine = static_cast<int>(v);
    } else if (std::strcmp(a, "--setting") == 0 && hasValue && ParseNumber(argv[++i], 1, 6, v)) {
      o.setting = static_cast<int>(v);
    } else if (std::strcmp(a, "--games") == 0 && hasValue &&
               ParseNumber(argv[++i], 1, 1000000000000LL, v)) {
      o.games = v;
    } else if (std::strcmp(a, "--seed") == 0 && hasValue &&
               ParseNumber(argv[++i], 0, 4294967295LL, v)) {
      o.seed = static_cast<unsigned long>(v);
    } else {
      std::fprintf(stderr, "slotsim: bad option or value: %s\n", a);
      return false;
    }
  }
  return true;
}

double PerBonus(long long games, long long count) {
  return count > 0 ? static_cast<double>(games) / static_cast<double>(count) : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) {
    Usage();
    return 2;
  }
  if (o.table) {
    TableOptions table;
    table.seed = static_cast<uint32_t>(o.seed);
    table.jobs = o.jobs;
    return PrintPayoutTable(table);
  }
  const MachineModel* model = MachineModelOfGame(o.machine);
  if (model == nullptr) {
    std::fprintf(stderr, "slotsim: machine %d is not part of this build\n", o.machine);
    return 2;
  }

  static SimSession session;
  auto start = std::chrono::steady_clock::now();
  StartSession(session, *model, o.setting, static_cast<uint32_t>(o.seed));
  PlayGames(session, o.games);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const SimTotals& t = session.totals;
  double rate = t.medalsIn > 0 ? static_cast<double>(t.medalsOut) / t.medalsIn : 0.0;
  double gamesPerSecond = seconds > 0 ? t.games / seconds : 0.0;
  double playedHours = t.ticks * 0.025 / 3600.0;
  if (o.json) {
    std::printf(
        "{\"machine\": %d, \"model\": \"%s\", \"setting\": %d, \"games\": %lld, \"seed\": %lu, "
        "\"medals_in\": %lld, \"medals_out\": %lld, \"medals_bought\": %lld, "
        "\"payout_rate\": %.6f, \"big\": %lld, \"regular\": %lld, \"single\": %lld, "
        "\"jac_stages\": %lld, \"ticks\": %lld, \"played_hours\": %.2f, \"seconds\": %.3f, "
        "\"games_per_second\": %.0f}\n",
        o.machine, model->modelName, o.setting, static_cast<long long>(t.games), o.seed,
        static_cast<long long>(t.medalsIn), static_cast<long long>(t.medalsOut),
        static_cast<long long>(t.medalsBought), rate, static_cast<long long>(t.big),
        static_cast<long long>(t.regular), static_cast<long long>(t.single),
        static_cast<long long>(t.jacStages), static_cast<long long>(t.ticks), playedHours, seconds,
        gamesPerSecond);
    return 0;
  }
  std::printf("machine %d (%s), setting %d, seed %lu\n", o.machine, model->modelName, o.setting,
              o.seed);
  std::printf("games         %lld (%.1f hours of play, %lld ticks)\n",
              static_cast<long long>(t.games), playedHours, static_cast<long long>(t.ticks));
  std::printf("medals        in %lld, out %lld, payout rate %.2f%%\n",
              static_cast<long long>(t.medalsIn), static_cast<long long>(t.medalsOut), rate * 100);
  std::printf("big bonus     %lld (1 in %.1f games)\n", static_cast<long long>(t.big),
              PerBonus(t.games, t.big));
  std::printf("regular bonus %lld (1 in %.1f games)\n", static_cast<long long>(t.regular),
              PerBonus(t.games, t.regular));
  std::printf("single bonus  %lld (1 in %.1f games)\n", static_cast<long long>(t.single),
              PerBonus(t.games, t.single));
  std::printf("JAC stages    %lld\n", static_cast<long long>(t.jacStages));
  std::printf("speed         %.0f games/s (%.3f s)\n", gamesPerSecond, seconds);
  return 0;
}
