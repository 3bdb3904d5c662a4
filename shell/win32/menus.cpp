// The menu bar and right-click popup of the current screen, with their checks and greyed
// items, and the help file opened through HTML Help, bound on first use.
#include <cstring>

#include "shell/command_ids.h"
#include "shell/menu_plan.h"
#include "base/open_menu.h"
#include "shell/shell_texts.h"
#include "hall/text.h"
#include "shell/win32/shell_windows.h"

namespace {

void Apply(HMENU menu, const MenuPlan& plan) {
  for (int i = 0; i < plan.removedCount; ++i) DeleteMenu(menu, plan.removed[i], MF_BYCOMMAND);
  if (plan.soundGreyed) EnableMenuItem(menu, CmdSound, MF_BYCOMMAND | MF_GRAYED);
  for (int i = 0; i < plan.checkedCount; ++i) {
    CheckMenuItem(menu, plan.checked[i], MF_BYCOMMAND | MF_CHECKED);
  }
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC

// Bound at the first help request; a missing HTML Help control leaves help silent.
HtmlHelpFunction HtmlHelpEntry() {
  static bool tried = false;
  static HtmlHelpFunction entry = nullptr;
  if (tried) return entry;
  tried = true;
  HMODULE library = nullptr;
  // The library registered for the HTML Help control, else the one on the search path.
  wchar_t registered[MAX_PATH];
  DWORD bytes = sizeof registered;
  if (RegGetValueW(HKEY_CLASSES_ROOT, L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32",
                   nullptr, RRF_RT_REG_SZ, nullptr, registered, &bytes) == ERROR_SUCCESS) {
    library = LoadLibraryW(registered);
  }
  if (library == nullptr) library = LoadLibraryW(L"hhctrl.ocx");
  if (library == nullptr) return nullptr;
  entry = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
  return entry;
}

}  // namespace

void UpdateMenuBar() {
  HMENU old = GetMenu(MainWindow);
  MenuPlan plan = BarMenuPlan();
  HMENU bar = LoadMenuW(GameInstance, MAKEINTRESOURCEW(plan.menuId));
  if (bar == nullptr) return;
  Apply(bar, plan);
  SetMenu(MainWindow, bar);
  if (old != nullptr) DestroyMenu(old);
}

bool ShowPopupMenu(HWND window, LPARAM lParam) {
  MenuPlan plan = PopupMenuPlan();
  HMENU menu = LoadMenuW(GameInstance, MAKEINTRESOURCEW(plan.menuId));
  if (menu == nullptr) return false;
  OpenMenu = menu;
  Apply(menu, plan);
  POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &at);
  BOOL chosen = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, MainWindow,
                               nullptr);
  DestroyMenu(menu);
  OpenMenu = nullptr;
  return chosen != FALSE;
}

void OpenHelp(HWND owner) {
  // The file lies in the folder the game started in; a path that does not fit opens nothing.
  const char* name = LoadText(1, TextHelpFile);
  size_t dir = std::strlen(StartupDir);
  size_t file = std::strlen(name);
  if (dir + 1 + file + 1 > MAX_PATH) return;
  char path[MAX_PATH];
  std::memcpy(path, StartupDir, dir);
  path[dir] = '\\';
  std::memcpy(path + dir + 1, name, file + 1);
  // A missing file stays silent, whatever the help viewer would say about it.
  if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return;
  HtmlHelpFunction help = HtmlHelpEntry();
  if (help != nullptr) help(owner, path, kHelpDisplayTopic, 0);
}
