// Machines of the No.1 family: No.1 "Orlido 2" and No.6 "Quessida" share strips, tables, roles
// and stop control; No.6 pays its medals straight through, without the full-credit pause.
#include "machine/families/no1/no1_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

namespace {

constexpr MachineModel OrlidoModel() {
  return MachineModel{
      .number = 1,
      .modelName = "Orlido 2",
      .symbolHeight = 36,
      .strips =
          {
              {0, 4, 8, 1, 2, 0, 7, 1, 3, 8, 0, 2, 1, 7, 0, 1, 3, 8, 0, 1, 7},
              {0, 5, 8, 4, 3, 5, 8, 4, 3, 5, 8, 2, 1, 5, 8, 4, 3, 5, 8, 4, 3},
              {0, 6, 4, 7, 3, 6, 4, 7, 3, 6, 2, 7, 1, 6, 4, 7, 3, 6, 4, 7, 3},
          },
      // The fruits with the JAC mark count as fruits in ordinary play and as Jac in JAC play.
      .ordinaryCode = {0, 1, 2, 3, 4, 5, 6, 5, 6, 9, 10, 11, 12, 13, 14, 15},
      .jacPlayCode = {0, 1, 2, 3, 4, 5, 6, 9, 9, 9, 10, 11, 12, 13, 14, 15},
      .jacSymbol = SymbolJac,
      .noRoleSymbol = SymbolAny,
      .bigTable = {362, 341, 313, 297, 273, 238},
      .regularTable = {409, 407, 407, 407, 407, 300},
      .highEntryTable = {3641, 3227, 2731, 1638, 1074, 950},
      .highEndTable = {218, 218, 299, 299, 299, 299},
      .cycle = No1Cycle(),
      .lotteryDraw = No1LotteryDraw,
      .stopControl = No1StopControl,
      .lineMask = No1LineMask,
      .payout = No1Payout,
  };
}

constexpr MachineModel QuessidaModel() {
  MachineModel model = OrlidoModel();
  model.number = 6;
  model.modelName = "Quessida";
  model.cycle.soundLastMedal = 708;  // every medal ticks alike
  model.cycle.soundCreditFull = 0;
  model.cycle.pauseOnCreditFull = false;
  model.cycle.pauseAfterLastMedal = false;
  return model;
}

}  // namespace

const MachineModel kMachineNo1 = OrlidoModel();
const MachineModel kMachineNo6 = QuessidaModel();
