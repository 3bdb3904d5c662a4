// The machine models of this build, one per game.
#pragma once

#include "machine/machine_model.h"

extern const MachineModel kMachineNo1;  // Orlido 2
extern const MachineModel kMachineNo2;  // Vexamira
extern const MachineModel kMachineNo3;  // Tarnolet 3
extern const MachineModel kMachineNo4;  // Pembrix 7
extern const MachineModel kMachineNo5;  // Sulvano
extern const MachineModel kMachineNo6;  // Quessida
extern const MachineModel kMachineNo7;  // Brakolo
