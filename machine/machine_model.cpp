// Which machine this program plays, and the catalogue of the machines it was built with.
#include "machine/machine_model.h"

#include "machine/machine_catalog.h"

namespace {
const MachineModel* activeModel = &kMachineNo1;
}

const MachineModel& ActiveMachine() { return *activeModel; }

void SelectMachine(const MachineModel& model) { activeModel = &model; }

const MachineModel* MachineModelOfGame(int gameNumber) {
  static const MachineModel* const kModels[] = {&kMachineNo1, &kMachineNo2, &kMachineNo3, &kMachineNo4, &kMachineNo5, &kMachineNo6, &kMachineNo7};
  for (const MachineModel* model : kModels) {
    if (model->number == gameNumber) return model;
  }
  return nullptr;
}
