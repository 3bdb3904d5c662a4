// The driven game's identity, from the number in its program's name.
#include "games/e2e/e2e_game.h"

#include <cwctype>

#include "machine/machine_model.h"
#include "presentation/game_description.h"

namespace {
int drivenGame = 1;
}

int GameNumberOf(const std::wstring& exe) {
  const size_t slash = exe.find_last_of(L"\\/");
  const std::wstring name = exe.substr(slash == std::wstring::npos ? 0 : slash + 1);
  if (name.size() < 6 || std::towlower(name[0]) != L'k' || std::towlower(name[1]) != L'v' ||
      name.compare(2, 3, L"440") != 0 || name[5] < L'1' || name[5] > L'7') {
    return 0;
  }
  return name[5] - L'0';
}

bool DriveGameOf(const std::wstring& exe) {
  const int game = GameNumberOf(exe);
  if (game == 0 || GameDescriptionOf(game) == nullptr || MachineModelOfGame(game) == nullptr) return false;
  drivenGame = game;
  SelectGame(*GameDescriptionOf(game));
  SelectMachine(*MachineModelOfGame(game));
  return true;
}

int DrivenGame() { return drivenGame; }
const GameDescription& DrivenDescription() { return *GameDescriptionOf(drivenGame); }

std::wstring GameTitle() { return GameTitle(drivenGame); }
std::wstring GameTitle(int game) { return L"MERIDOLA No." + std::to_wstring(game); }
std::string HallFileName() { return "Kv440" + std::to_string(drivenGame) + ".dat"; }

std::wstring SiblingGame(const std::wstring& exe, int game) {
  // ...\kv440N\Kv440N.exe -> ...\kv440M\Kv440M.exe
  std::wstring other = exe;
  const wchar_t from = static_cast<wchar_t>(L'0' + drivenGame), to = static_cast<wchar_t>(L'0' + game);
  const size_t file = other.find_last_of(L"\\/");
  if (file == std::wstring::npos || file < 7) return other;
  if (other[file - 1] == from) other[file - 1] = to;
  if (file + 6 < other.size() && other[file + 6] == from) other[file + 6] = to;
  return other;
}
