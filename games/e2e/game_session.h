// The end-to-end driver's hold on a running game: starting it, finding its windows, sending
// commands, reading and answering its message boxes and dialogs, and asking the probe inside it
// about menus. Every wait polls with a time limit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "games/e2e/probe_protocol.h"

struct MenuItemState {
  int depth;
  int id;        // -1 for a sub-menu
  UINT flags;    // MF_CHECKED, MF_GRAYED, MF_SEPARATOR ...
  std::string text;
};

class GameSession {
 public:
  GameSession(const std::wstring& exe, const std::wstring& probeDll);
  ~GameSession();

  // Starts the game; true once its main window has its first menu bar.
  bool Start();
  // Only starts the process (a second start that is to be refused), and loads the probe.
  bool Launch();
  bool Inject();
  DWORD pid() const { return process_.dwProcessId; }
  const std::wstring& exe() const { return exe_; }
  HANDLE process() const { return process_.hProcess; }
  HWND Main() const { return main_; }
  HWND Child(const wchar_t* className) const;
  HWND PanelControl(int id) const;
  bool Visible(HWND window) const { return window != nullptr && IsWindowVisible(window); }

  void Command(int id, LPARAM lParam = 0) const;
  // A top-level dialog of the game with this caption (message boxes included), or null.
  HWND WaitDialog(const std::wstring& caption, int ms = 5000) const;
  // A message box of the game: its text, caption and icon.
  HWND WaitMessageBox(int ms = 5000) const;
  // The game's dialog, shown or hidden, that has a control with this id, or null.
  HWND DialogWithItem(int id) const;
  std::wstring BoxText(HWND box) const;
  int BoxIcon(HWND box);
  std::wstring ItemText(HWND dialog, int id) const;
  void Press(HWND dialog, int id) const;
  bool WaitGone(HWND window, int ms = 5000) const;
  // Ends the game by closing its window; the exit code, or -1 when it did not end.
  int WaitExit(int ms = 15000) const;
  void Kill();

  std::vector<MenuItemState> MenuBar();
  std::vector<MenuItemState> PopupMenu();
  void EndPopup();
  HMENU MenuHandle() const { return GetMenu(main_); }

 private:
  bool Ask(ProbeRequest request, HWND window = nullptr);

  std::wstring exe_, probeDll_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
  HANDLE mapping_ = nullptr, ask_ = nullptr, done_ = nullptr;
  ProbeBlock* block_ = nullptr;
};

// Polls the condition every 20 ms until it holds or the time runs out.
template <typename Condition>
bool WaitUntil(Condition condition, int ms) {
  for (int waited = 0;; waited += 20) {
    if (condition()) return true;
    if (waited >= ms) return false;
    Sleep(20);
  }
}

// Waits for a handle by polling: under faketime a wait whose time limit runs out may never
// return in Wine, while short sleeps do.
inline bool WaitSignalled(HANDLE handle, int ms) {
  return WaitUntil([&] { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, ms);
}

std::vector<MenuItemState> ParseMenu(const char* text);
// The item of a menu with this command, or null.
const MenuItemState* FindItem(const std::vector<MenuItemState>& menu, int id);
std::string ToUtf8(const std::wstring& text);
