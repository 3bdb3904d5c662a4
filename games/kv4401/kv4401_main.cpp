// MERIDOLA No.1: the Orlido 2 in the family's hall. The program chooses its machine and runs
// the shell.
#include <windows.h>

#include "machine/machine_catalog.h"
#include "shell/win32/shell_windows.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  SelectMachine(kMachineNo1);
  return RunGame(instance, showCommand);
}
