// The payout table of every machine, each cell played in the hall, with cells played in separate
// processes (the game core keeps its state in process-wide records, so processes, not threads,
// run side by side).
#include "tools/slotsim/payout_table.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "machine/machine_model.h"
#include "tools/slotsim/hall_floor.h"
#include "tools/slotsim/sim_session.h"

namespace {

// Batch means: the spread of the batches' rates gives the interval, which stays honest
// although bonuses make neighbouring games depend on each other.
struct BatchMeans {
  double sum = 0, sumSquares = 0;
  int batches = 0;
  double half = 1e9;

  void Add(const SimTotals& before, const SimTotals& after, int minBatches) {
    double in = static_cast<double>(after.medalsIn - before.medalsIn);
    double out = static_cast<double>(after.medalsOut - before.medalsOut);
    double rate = in > 0 ? out / in : 0;
    sum += rate;
    sumSquares += rate * rate;
    ++batches;
    if (batches < minBatches) return;
    double mean = sum / batches;
    double variance = (sumSquares - batches * mean * mean) / (batches - 1);
    half = 1.96 * std::sqrt(variance > 0 ? variance : 0) / std::sqrt(static_cast<double>(batches));
  }
};

double Rate(const SimTotals& t) {
  return t.medalsIn > 0 ? static_cast<double>(t.medalsOut) / t.medalsIn : 0;
}

}  // namespace

TableCell PlayCell(int machine, int setting, const TableOptions& options) {
  static FloorRun floor;
  const MachineModel* model = MachineModelOfGame(machine);
  TableCell cell{machine, setting, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  if (model == nullptr) return cell;
  const uint32_t seed = options.seed + 100u * machine + setting;

  // The hall's customers alone.
  StartFloor(floor, *model, setting, seed, 0);
  BatchMeans customers;
  while (floor.customers.games < options.maxGames && customers.half > options.halfWidth) {
    SimTotals before = floor.customers;
    PlayCustomerGames(floor, options.batchGames);
    customers.Add(before, floor.customers, options.minBatches);
  }
  const SimTotals& t = floor.customers;
  cell.games = t.games;
  cell.payoutRate = Rate(t);
  cell.halfWidth = customers.half;
  cell.big = t.big;
  cell.regular = t.regular;
  cell.single = t.single;

  // The same hall with a few seats taken by players who stop at the best moment.
  if (options.bestSeats > 0) {
    StartFloor(floor, *model, setting, seed + 50u, options.bestSeats);
    BatchMeans best;
    while (floor.best.games < options.bestMaxGames && best.half > options.bestHalfWidth) {
      SimTotals before = floor.best;
      PlayBestGames(floor, options.bestBatchGames);
      best.Add(before, floor.best, options.bestMinBatches);
    }
    cell.bestGames = floor.best.games;
    cell.bestRate = Rate(floor.best);
    cell.bestHalfWidth = best.half;
  }
  return cell;
}

namespace {

std::string PerBonus(int64_t games, int64_t count) {
  if (count == 0) return "—";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", static_cast<double>(games) / count);
  return text;
}

}  // namespace

int PrintPayoutTable(const TableOptions& options) {
  std::vector<TableCell> cells;
  for (int machine = 1; machine <= 7; ++machine) {
    if (MachineModelOfGame(machine) == nullptr) continue;
    for (int setting = 1; setting <= 6; ++setting) {
      cells.push_back({machine, setting, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
  }
  const int jobs = options.jobs < 1 ? 1 : options.jobs;
  std::vector<int> pipes(jobs);
  std::vector<pid_t> workers(jobs);
  for (int j = 0; j < jobs; ++j) {
    int fds[2];
    if (pipe(fds) != 0) return 1;
    pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {  // a worker plays every jobs-th cell and writes the results back
      close(fds[0]);
      for (size_t i = j; i < cells.size(); i += jobs) {
        TableCell cell = PlayCell(cells[i].machine, cells[i].setting, options);
        if (write(fds[1], &cell, sizeof cell) != static_cast<ssize_t>(sizeof cell)) _exit(1);
      }
      _exit(0);
    }
    close(fds[1]);
    pipes[j] = fds[0];
    workers[j] = pid;
  }
  bool ok = true;
  for (int j = 0; j < jobs; ++j) {
    for (size_t i = j; i < cells.size(); i += jobs) {
      if (read(pipes[j], &cells[i], sizeof cells[i]) != static_cast<ssize_t>(sizeof cells[i])) ok = false;
    }
    close(pipes[j]);
    int status = 0;
    waitpid(workers[j], &status, 0);
    ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  if (!ok) return 1;
  std::printf("| machine | setting | games | payout rate | 95%% interval | best stops | games per big "
              "| per regular | per single |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|\n");
  for (const TableCell& c : cells) {
    const MachineModel* model = MachineModelOfGame(c.machine);
    std::printf("| No.%d %s | %d | %lld | %.2f%% | ±%.2f | %.2f%% ±%.2f | %s | %s | %s |\n",
                c.machine, model->modelName, c.setting, static_cast<long long>(c.games),
                c.payoutRate * 100, c.halfWidth * 100, c.bestRate * 100, c.bestHalfWidth * 100,
                PerBonus(c.games, c.big).c_str(), PerBonus(c.games, c.regular).c_str(),
                PerBonus(c.games, c.single).c_str());
  }
  return 0;
}
