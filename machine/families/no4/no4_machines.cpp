// Machine No.4 "Pembrix 7": strips, translation of the JAC-marked apple and grapes, tables.
#include "machine/families/no1/no1_family.h"
#include "machine/families/no4/no4_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

void No4StartBonus(MachineRecord& m) {
  int sound = m.soundRequest;
  StartLinedUpBonus(m);
  m.soundRequest = sound;  // bonus starts leave the sound alone on this machine
}

namespace {

constexpr CycleRules No4Cycle() {
  CycleRules cycle = No1Cycle();
  cycle.soundSingleLinedUp = 0;  // no single bonus
  cycle.startBonus = No4StartBonus;
  return cycle;
}

}  // namespace

const MachineModel kMachineNo4 = {
    .number = 4,
    .modelName = "Pembrix 7",
    .symbolHeight = 34,
    .strips =
        {
            {0, 7, 2, 1, 6, 3, 4, 3, 7, 0, 2, 6, 1, 4, 3, 7, 3, 1, 6, 3, 4},
            {0, 5, 4, 3, 7, 0, 5, 4, 7, 1, 5, 4, 7, 0, 5, 4, 7, 1, 5, 4, 7},
            {0, 4, 7, 5, 1, 4, 7, 5, 3, 4, 7, 5, 3, 4, 7, 5, 1, 4, 7, 5, 3},
        },
    // The apple with the JAC mark counts as an apple; the grapes stay grapes; in JAC play
    // both count as Jac.
    .ordinaryCode = {0, 1, 2, 3, 4, 5, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15},
    .jacPlayCode = {0, 1, 2, 3, 4, 5, 9, 9, 8, 9, 10, 11, 12, 13, 14, 15},
    .jacSymbol = No4SymbolJac,
    .noRoleSymbol = No4SymbolAny,
    .bigTable = {265, 254, 243, 232, 221, 210},
    .regularTable = {287, 276, 265, 253, 242, 231},
    .highEntryTable = {0, 0, 0, 0, 0, 0},
    .highEndTable = {0, 0, 0, 0, 0, 0},
    .cycle = No4Cycle(),
    .lotteryDraw = No4LotteryDraw,
    .stopControl = No4StopControl,
    .lineMask = No4LineMask,
    .payout = No4Payout,
};
