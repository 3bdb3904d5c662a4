// The payout table's hall: the game's own hall tick over both shops, the day shop open at the
// normal crowd level with its customers coming and going, the night shop closed, every machine
// of one model at one setting. Each machine's draws fall between the other machines' draws, as
// in the game, where a lone machine would draw in a rhythm of its own.
#pragma once

#include <cstdint>

#include "hall/shop_record.h"
#include "machine/machine_model.h"
#include "tools/slotsim/sim_session.h"

struct FloorRun {
  const MachineModel* model = nullptr;
  int bestSeats = 0;        // machines 0.. of the day shop held by best-moment players
  SimTotals customers;      // games the hall's customers played
  SimTotals best;           // games the best-moment players played
  int bigGamesAtLastEnd[kFloorMachines] = {};
};

// A fresh hall of this model at setting 1..6. The first `bestSeats` machines of the day shop
// are held by players who stop every reel at the best moment and never leave (50 more medals
// whenever they run out); customers come and go at the others.
void StartFloor(FloorRun& f, const MachineModel& model, int setting, uint32_t seed, int bestSeats);

// One hall tick, with every game that ended counted for whoever played it.
void FloorTick(FloorRun& f);

// Plays until the customers (or the best-moment players) have ended this many more games.
void PlayCustomerGames(FloorRun& f, int64_t games);
void PlayBestGames(FloorRun& f, int64_t games);
