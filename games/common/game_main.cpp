// A MERIDOLA game's program: it chooses its machine and its description, and runs the shell.
// MERIDOLA_GAME is the game's number, given by its build.
#include <windows.h>

#include "machine/machine_model.h"
#include "presentation/game_description.h"
#include "shell/win32/shell_windows.h"

#define MERIDOLA_DESCRIPTION_OF(n) kGameDescription##n
#define MERIDOLA_DESCRIPTION(n) MERIDOLA_DESCRIPTION_OF(n)
extern const GameDescription MERIDOLA_DESCRIPTION(MERIDOLA_GAME);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  SelectMachine(*MachineModelOfGame(MERIDOLA_GAME));
  SelectGame(MERIDOLA_DESCRIPTION(MERIDOLA_GAME));
  return RunGame(instance, showCommand);
}
