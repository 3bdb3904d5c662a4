// Automatic play in the hall: which occupied machines play themselves on this tick. Customers
// always do; a player's machine only on its player's play screen with automatic play on. The
// current player's own machine is worked through its controls on the screen, by the shell.
#pragma once

#include "hall/player_slot.h"
#include "machine/machine_record.h"

// A player's machine plays itself only while its player watches it, on automatic play, with
// no notice pending, and with a game running or medals to start one.
bool PlayerMachineMayPlay(const MachineRecord& m, const PlayerSlot& slot);

// Once per tick for every occupied machine, right before its MachineTick.
void AutoPlay(MachineRecord& m);

// Works the current player's machine on the ticks of an automatic pass; installed by the shell
// (null: that machine never plays itself).
using CurrentMachineDriver = void (*)(MachineRecord& m);
void SetCurrentMachineDriver(CurrentMachineDriver driver);
