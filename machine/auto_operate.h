// Automatic operation: customers' machines, and players' machines on automatic play, work
// their controls at a fixed cadence. Who may play and how the current player's own machine
// presses its on-screen controls is decided above the machine (hall and shell).
#pragma once

#include "machine/machine_record.h"

// Control indices, shared with the play controls' window table.
enum ControlIndex {
  ControlNone = 4,  // a stop order that matches no control
  ControlMedalIn = 20,
  ControlBetButton = 21,
  ControlStartLever = 22,
  ControlStop1 = 23,
  ControlStop2 = 24,
  ControlStop3 = 25,
};

// The control automatic play would operate next.
int ChooseNextControl(const MachineRecord& m);

// The control automatic play operates on this tick, or ControlNone: a bet or the lever at
// most every 16 ticks and never before the reels may start again, a stop every 32 ticks.
// Asked on the ticks of an automatic pass only (Phase128 at 0).
int AutoControlDue(const MachineRecord& m);

// The control's operation on the machine, as a press of it would run it.
void OperateControl(MachineRecord& m, int control);

// One pass of automatic operation for a machine worked directly (not through its controls on
// the screen): on ticks where Phase128 wraps, the control that is due is operated.
void AutoOperate(MachineRecord& m);
