// Machine No.3 "Tarnolet 3": strips, translation of the JAC-marked orange and plum, tables, and
// its bonus starts (a big bonus lights all three stage lamps and plays its own fanfare).
#include "machine/families/no1/no1_family.h"
#include "machine/families/no3/no3_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

void No3StartBonus(MachineRecord& m) {
  if (m.singleBonus == kMarker) {
    m.jacWins = 1;
    m.jacGames = 1;
    m.jacStage = 1;
    RequestSoundStop(m);
  } else if (m.jacWins == kMarker) {
    if (m.bigGames == 0) m.jacStage = 1;
    m.jacWins = 6;
    m.jacGames = 12;
    RequestSoundStop(m);
  } else if (m.bigGames == kMarker) {
    m.bigCountDay[2] += 1;
    m.redrawFlags |= RedrawBigChanceLamp;
    m.bigGames = 30;
    m.bigNet = 0;
    m.jacStage = 3;
    RequestSound(m, 703);
  }
}

namespace {

constexpr CycleRules No3Cycle() {
  CycleRules cycle = No1Cycle();
  cycle.startBonus = No3StartBonus;
  return cycle;
}

}  // namespace

const MachineModel kMachineNo3 = {
    .number = 3,
    .modelName = "Tarnolet 3",
    .symbolHeight = 34,
    .strips =
        {
            {0, 7, 5, 2, 3, 6, 2, 0, 7, 5, 2, 4, 6, 2, 1, 7, 5, 2, 3, 6, 2},
            {0, 1, 4, 7, 4, 0, 1, 4, 7, 4, 0, 1, 4, 7, 2, 4, 6, 1, 4, 7, 4},
            {0, 4, 7, 1, 5, 4, 7, 1, 5, 4, 7, 1, 5, 4, 7, 1, 5, 4, 7, 1, 2},
        },
    // The orange with the JAC mark counts as an orange, the plum stays a plum; in JAC play
    // both count as Jac.
    .ordinaryCode = {0, 1, 2, 3, 4, 5, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15},
    .jacPlayCode = {0, 1, 2, 3, 4, 5, 8, 8, 8, 9, 10, 11, 12, 13, 14, 15},
    .jacSymbol = No3SymbolJac,
    .noRoleSymbol = No3SymbolAny,
    .bigTable = {409, 409, 409, 409, 409, 409},
    .regularTable = {409, 409, 409, 409, 409, 409},
    .highEntryTable = {3682, 2048, 1386, 1024, 797, 676},
    .highEndTable = {300, 300, 300, 300, 300, 300},
    .cycle = No3Cycle(),
    .lotteryDraw = No3LotteryDraw,
    .stopControl = No3StopControl,
    .lineMask = No3LineMask,
    .payout = No3Payout,
};
