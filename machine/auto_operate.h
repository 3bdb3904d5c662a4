// Automatic operation: customers' machines, and players' machines on automatic play, work
// their controls at a fixed cadence. The current player's own machine presses its on-screen
// controls instead, so the player sees the buttons move.
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

// Once per tick for every occupied machine, right before its MachineTick.
void AutoOperate(MachineRecord& m);

// How automatic play reaches the current player's on-screen controls: the window of a control
// and posted mouse-button messages. The window layer installs it; without it nothing is pressed.
struct ControlPressPort {
  void* (*windowOf)(int control);  // null when the index names no control
  void (*postButtonDown)(void* window);
  void (*postButtonUp)(void* window);
};
void SetControlPressPort(const ControlPressPort* port);

// The control window automatic play pressed last for the current player, or null.
extern void* AutoPressedWindow;
