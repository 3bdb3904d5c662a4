// The machine models of this build, one per game.
#pragma once

#include "machine/machine_model.h"

extern const MachineModel kMachineNo1;
