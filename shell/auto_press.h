// Automatic play of the current player's machine: instead of operating the machine directly
// it presses the controls on the screen, so the player sees the buttons move.
#pragma once

#include "machine/machine_record.h"

// How automatic play reaches the current player's on-screen controls: the window of a control
// and posted mouse-button messages. The window layer installs it; without it nothing is pressed.
struct ControlPressPort {
  void* (*windowOf)(int control);  // null when the index names no control
  void (*postButtonDown)(void* window);
  void (*postButtonUp)(void* window);
};
// Installs the port and with it the hall's driver of the current player's machine.
void SetControlPressPort(const ControlPressPort* port);

// The control window automatic play pressed last for the current player, or null.
extern void* AutoPressedWindow;

// One automatic pass for the current player's machine: the press of the last pass is released,
// then the control that is due is pressed (nothing while a menu is open).
void PressCurrentPlayersControls(MachineRecord& m);
