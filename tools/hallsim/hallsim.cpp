// hallsim: runs both shops on the simulated tick from a local start time and prints, hour by
// hour, the crowd of each shop, the bonuses, the customers who came and went, and what one
// HallTick costs. Optional save-and-load round trips in between check the files on the way.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "machine/machine_model.h"
#include "hall/shop_clock.h"
#include "tools/hallsim/hall_sim.h"

namespace {

struct Options {
  int64_t start = 0;
  int hours = 24;
  unsigned long seed = 1;
  int game = 1;
  int roundTripHours = 0;  // 0: none
  const char* folder = nullptr;
};

struct ShopHour {
  double occupiedSum = 0;
  int games = 0;
  int bigBonuses = 0;
  int regularBonuses = 0;
  int arrived = 0;
  int left = 0;
};

struct Hour {
  ShopHour shop[kShopCount];
  int notices = 0;
  int forcedLeaves = 0;
  std::vector<double> tickMicros;
};

Hour* current = nullptr;

void TimedHallTick() {
  auto t0 = std::chrono::steady_clock::now();
  HallTick();
  auto t1 = std::chrono::steady_clock::now();
  current->tickMicros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
}

void Usage() {
  std::fprintf(stderr,
               "usage: hallsim --start YYYY-MM-DDTHH:MM [--hours H] [--seed S] [--game N]\n"
               "               [--round-trip H --dir FOLDER]\n"
               "  --start T       local time at start-up (the hall is fresh, as with no save file)\n"
               "  --hours H       simulated hours to run (default 24)\n"
               "  --seed S        seed of the random source (default 1)\n"
               "  --game N        game whose machine stands in the hall (default 1)\n"
               "  --round-trip H  every H hours save both files, load them and restart\n"
               "  --dir FOLDER    folder for the round-trip files\n");
}

bool ParseNumber(const char* text, long long low, long long high, long long& out) {
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || v < low || v > high) return false;
  out = v;
  return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  bool started = false;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    long long v = 0;
    bool hasValue = i + 1 < argc;
    if (std::strcmp(a, "--start") == 0 && hasValue && ParseStartTime(argv[++i], o.start)) {
      started = true;
    } else if (std::strcmp(a, "--hours") == 0 && hasValue && ParseNumber(argv[++i], 1, 24 * 365, v)) {
      o.hours = static_cast<int>(v);
    } else if (std::strcmp(a, "--seed") == 0 && hasValue && ParseNumber(argv[++i], 0, 4294967295LL, v)) {
      o.seed = static_cast<unsigned long>(v);
    } else if (std::strcmp(a, "--game") == 0 && hasValue && ParseNumber(argv[++i], 1, 7, v)) {
      o.game = static_cast<int>(v);
    } else if (std::strcmp(a, "--round-trip") == 0 && hasValue && ParseNumber(argv[++i], 1, 1000, v)) {
      o.roundTripHours = static_cast<int>(v);
    } else if (std::strcmp(a, "--dir") == 0 && hasValue) {
      o.folder = argv[++i];
    } else {
      std::fprintf(stderr, "hallsim: bad option or value: %s\n", a);
      return false;
    }
  }
  if (!started) std::fprintf(stderr, "hallsim: --start is required\n");
  if (o.roundTripHours > 0 && o.folder == nullptr) {
    std::fprintf(stderr, "hallsim: --round-trip needs --dir\n");
    return false;
  }
  return started;
}

// What changed on the floor in one tick: arrivals, departures, game ends and bonus starts.
void CountTick(const int (&before)[kShopCount][kFloorMachines], Hour& h) {
  for (int s = 0; s < kShopCount; ++s) {
    ShopHour& sh = h.shop[s];
    sh.occupiedSum += Shops[s].occupiedCount;
    for (int i = 0; i < kFloorMachines; ++i) {
      const MachineRecord& m = Shops[s].machines[i];
      if (before[s][i] == OccupantFree && m.occupant == OccupantCustomer) ++sh.arrived;
      if (before[s][i] == OccupantCustomer && m.occupant == OccupantFree) ++sh.left;
      if (m.state != StateGameOver) continue;
      ++sh.games;
      if (m.bigGames == 30) ++sh.bigBonuses;
      if (m.bigGames == 0 && m.jacWins == 6 && m.jacGames == 12) ++sh.regularBonuses;
    }
  }
  HallPost post;
  while (TakeHallPost(post)) {
    if (post.command == CmdNotice) ++h.notices;
    if (post.command == CmdForcedLeave) ++h.forcedLeaves;
  }
}

void Percentiles(std::vector<double>& v, double& mean, double& p99, double& worst) {
  mean = p99 = worst = 0;
  if (v.empty()) return;
  double sum = 0;
  for (double x : v) sum += x;
  mean = sum / static_cast<double>(v.size());
  size_t k = v.size() * 99 / 100;
  std::nth_element(v.begin(), v.begin() + static_cast<long>(k), v.end());
  p99 = v[k];
  worst = *std::max_element(v.begin(), v.end());
}

// Saves both files, loads them back, and compares what came back with what was saved.
bool RoundTrip(const char* folder) {
  char hall[512];
  char players[512];
  std::snprintf(hall, sizeof hall, "%s/hallsim-hall.dat", folder);
  std::snprintf(players, sizeof players, "%s/hallsim-players.dat", folder);
  if (!SaveHallFile(hall) || !SavePlayerFile(players)) return false;
  static ShopRecord saved[kShopCount];
  std::memcpy(saved, Shops, sizeof Shops);
  bool ok = LoadHallFile(hall) && LoadPlayerFile(players) &&
            std::memcmp(saved, Shops, sizeof Shops) == 0;
  SimRestart();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) {
    Usage();
    return 2;
  }
  const MachineModel* model = MachineModelOfGame(o.game);
  if (model == nullptr) {
    std::fprintf(stderr, "hallsim: the machine of game No.%d is not in this build\n", o.game);
    return 2;
  }
  SelectMachine(*model);
  StartSimClock(o.start);
  Hour hour;
  hour.tickMicros.reserve(kTicksPerHour);
  current = &hour;
  auto startUp0 = std::chrono::steady_clock::now();
  SimStartUp(static_cast<uint32_t>(o.seed), true);
  double startUpMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - startUp0).count();

  char when[32];
  FormatCivil(LocalTimeCopy, when, sizeof when);
  std::printf("hallsim: game No.%d (%s), seed %lu, start %s, %d hours, opening %.2f ms\n", o.game,
              model->modelName, o.seed, when, o.hours, startUpMs);
  std::printf("hour ending        lvl  occ day night  games  BB     RB     came   left   "
              "notices  HallTick us mean   p99    max\n");
  std::vector<double> all;
  all.reserve(static_cast<size_t>(kTicksPerHour) * static_cast<size_t>(o.hours));
  int failures = 0;
  int before[kShopCount][kFloorMachines];
  for (int h = 0; h < o.hours; ++h) {
    hour = Hour{};
    hour.tickMicros.reserve(kTicksPerHour);
    for (int t = 0; t < kTicksPerHour; ++t) {
      for (int s = 0; s < kShopCount; ++s) {
        for (int i = 0; i < kFloorMachines; ++i) before[s][i] = Shops[s].machines[i].occupant;
      }
      SimTick(TimedHallTick);
      CountTick(before, hour);
    }
    all.insert(all.end(), hour.tickMicros.begin(), hour.tickMicros.end());
    double mean, p99, worst;
    Percentiles(hour.tickMicros, mean, p99, worst);
    FormatCivil(LocalTimeCopy, when, sizeof when);
    const ShopHour& d = hour.shop[0];
    const ShopHour& n = hour.shop[1];
    std::printf("%s  %d/%d  %5.1f %5.1f  %3d/%-3d %2d/%-3d %2d/%-3d %3d/%-3d %3d/%-3d %4d/%-3d"
                "  %6.2f %6.2f %6.1f\n",
                when, Shops[0].level, Shops[1].level, d.occupiedSum / kTicksPerHour,
                n.occupiedSum / kTicksPerHour, d.games, n.games, d.bigBonuses, n.bigBonuses,
                d.regularBonuses, n.regularBonuses, d.arrived, n.arrived, d.left, n.left,
                hour.notices, hour.forcedLeaves, mean, p99, worst);
    if (o.roundTripHours > 0 && (h + 1) % o.roundTripHours == 0 && h + 1 < o.hours) {
      bool ok = RoundTrip(o.folder);
      std::printf("  save and load round trip: %s\n", ok ? "same bytes" : "FAILED");
      if (!ok) ++failures;
    }
  }
  double mean, p99, worst;
  Percentiles(all, mean, p99, worst);
  std::printf("HallTick over %zu ticks: mean %.2f us, p99 %.2f us, max %.1f us; outbox drops %d\n",
              all.size(), mean, p99, worst, HallPostsDropped);
  return failures == 0 ? 0 : 1;
}
