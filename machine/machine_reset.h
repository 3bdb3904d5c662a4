// Resetting a machine record: a full reset, a new day, an occupant leaving, an idle seat.
#pragma once

#include "machine/machine_record.h"

enum ResetType {
  ResetFull = 0,         // new shop: setting 3, empty stock, nothing counted
  ResetNewDay = 1,       // a new day: keeps setting, stock, high mode and daily counts
  ResetVacate = 2,       // the occupant leaves: game, bonus and lottery stay for the next one
  ResetIdleDisplay = 3,  // a seat left behind: random bet, a losing reel display
};

// Resets the record for the active machine model. Any other type clears only the fields every
// type clears.
void ResetMachine(MachineRecord& m, int type);
