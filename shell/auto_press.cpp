// The current player's machine on automatic play: its controls pressed through the window
// layer's port, each press held for one pass of eight ticks.
#include "shell/auto_press.h"

#include "base/open_menu.h"
#include "hall/auto_play.h"
#include "hall/player_slot.h"
#include "machine/auto_operate.h"

void* AutoPressedWindow = nullptr;

namespace {

const ControlPressPort* pressPort = nullptr;

void PressOnScreen(int control) {
  if (pressPort == nullptr) return;
  void* window = pressPort->windowOf(control);
  if (window == nullptr) return;
  pressPort->postButtonDown(window);
  AutoPressedWindow = window;
}

}  // namespace

void SetControlPressPort(const ControlPressPort* port) {
  pressPort = port;
  SetCurrentMachineDriver(port != nullptr ? PressCurrentPlayersControls : nullptr);
}

void PressCurrentPlayersControls(MachineRecord& m) {
  if (OpenMenu != nullptr) return;
  if (AutoPressedWindow != nullptr) {
    if (pressPort != nullptr) pressPort->postButtonUp(AutoPressedWindow);
    AutoPressedWindow = nullptr;  // a press lasts one pass: 8 ticks
  }
  if (CurrentSlot.slot == nullptr || !PlayerMachineMayPlay(m, *CurrentSlot.slot)) return;
  int control = AutoControlDue(m);
  if (control != ControlNone) PressOnScreen(control);
}
