// The three screen windows on the left of the main window (title, hall, play) and the info
// panel on the right: their classes, creation in the fixed order, and the switch between them.
#include "hall/player_slot.h"
#include "presentation/presentation.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"
#include "shell/win32/shell_windows.h"

HWND InfoPanel = nullptr;
HWND TitleWindow = nullptr;
HWND HallWindow = nullptr;
HWND PlayWindow = nullptr;

LRESULT CALLBACK InfoPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

LRESULT ScreenMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      void (*paint)(HWND)) {
  switch (message) {
    case WM_PAINT:
      paint(window);
      // The screen is up to date again: the tick may move things.
      CommandBusy = 0;
      return 0;
    case WM_RBUTTONDOWN:
      ShowPopupMenu(window, lParam);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK TitleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ScreenMessage(window, message, wParam, lParam, PaintTitleWindow);
}

LRESULT CALLBACK HallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ScreenMessage(window, message, wParam, lParam, PaintHallWindow);
}

LRESULT CALLBACK PlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return CreatePlayControls(window) ? 0 : -1;
  return ScreenMessage(window, message, wParam, lParam, PaintPlayWindow);
}

bool RegisterChildClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GameInstance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HWND CreateScreen(const wchar_t* name, HWND parent, int x, int width) {
  return CreateWindowExW(0, name, nullptr, WS_CHILD, x, 0, width, 432, parent, nullptr,
                         GameInstance, nullptr);
}

}  // namespace

bool RegisterScreenClasses() {
  return RegisterChildClass(L"Kv4401Info", InfoPanelProc) &&
         RegisterChildClass(L"Kv4401Demo", TitleProc) &&
         RegisterChildClass(L"Kv4401Hall", HallProc) &&
         RegisterChildClass(L"Kv4401Play", PlayProc);
}

bool CreateScreenWindows(HWND mainWindow) {
  InfoPanel = CreateScreen(L"Kv4401Info", mainWindow, 480, 128);
  if (InfoPanel == nullptr) return false;
  TitleWindow = CreateScreen(L"Kv4401Demo", mainWindow, 0, 480);
  if (TitleWindow == nullptr) return false;
  HallWindow = CreateScreen(L"Kv4401Hall", mainWindow, 0, 480);
  if (HallWindow == nullptr) return false;
  PlayWindow = CreateScreen(L"Kv4401Play", mainWindow, 0, 480);
  return PlayWindow != nullptr;
}

HWND ScreenWindowOf(int screen) {
  switch (screen) {
    case ScreenTitle: return TitleWindow;
    case ScreenHall:
    case ScreenHallAway: return HallWindow;
    case ScreenPlay: return PlayWindow;
    default: return nullptr;
  }
}

void SwitchScreenWindow(int fromScreen, int toScreen) {
  HWND from = ScreenWindowOf(fromScreen);
  HWND to = ScreenWindowOf(toScreen);
  if (from != nullptr && from != to) ShowWindow(from, SW_HIDE);
  if (to != nullptr) {
    ShowWindow(to, SW_SHOW);
    // The hall window serves both hall screens: a switch between them still repaints it.
    InvalidateRect(to, nullptr, FALSE);
  }
}
