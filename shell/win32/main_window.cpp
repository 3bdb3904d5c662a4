// Start-up, the main window and the end of the run: the single-instance guard, the window of
// 608 x 432 client pixels, its creation sequence, the message loop and the orderly shutdown
// that saves the hall and the players.
#include <direct.h>

#include "hall/save_data.h"
#include "hall/string_id.h"
#include "hall/visits.h"
#include "presentation/presentation.h"
#include "shell/command_ids.h"
#include "base/open_menu.h"
#include "base/options.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"
#include "shell/start_up.h"
#include "shell/win32/shell_windows.h"
#include "shell/win32/single_instance.h"
#include "shell/win32/wide_text.h"

HINSTANCE GameInstance = nullptr;
HWND MainWindow = nullptr;
HWND NoticeDialog = nullptr;
char StartupDir[MAX_PATH] = "";

namespace {

constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kClientWidth = 608;
constexpr int kClientHeight = 432;
const wchar_t kMainClass[] = L"Kv4401Main";

bool shutdownDone = false;
// Set once the save files were read: a window that failed before must not save over them.
bool dataLoaded = false;

LRESULT CreateSequence(HWND window) {
  MainWindow = window;
  SoundAvailable = CheckSoundDevice();
  SoundOn = SoundAvailable;
  AnnounceOn = 1;
  if (!CreateAllSurfaces(window)) return -1;
  if (!CreateScreenWindows(window)) return -1;
  UseDocumentsFolder();
  StartUpHall();
  dataLoaded = true;
  ShowScreenControls();
  ShowWindow(InfoPanel, SW_SHOW);
  ShowWindow(TitleWindow, SW_SHOW);
  PostMessageW(window, WM_COMMAND, CmdStartupMenu, 0);
  return 0;
}

// Realises the game's palette in the main window; repaints everything when colours changed.
LRESULT RealizePalette(HWND window) {
  int changed = RealizeGamePalette(window);
  if (changed > 0) InvalidateRect(window, nullptr, TRUE);
  return changed;
}

}  // namespace

bool RegisterMainWindowClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = 0;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = GameInstance;
  wc.hIcon = LoadIconW(GameInstance, MAKEINTRESOURCEW(IDI_GAME));
  wc.hIconSm = static_cast<HICON>(
      LoadImageW(GameInstance, MAKEINTRESOURCEW(IDI_GAME_SMALL), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszMenuName = MAKEINTRESOURCEW(IDM_TITLE_BAR);
  wc.lpszClassName = kMainClass;
  return RegisterClassExW(&wc) != 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return CreateSequence(window);
    case WM_CLOSE:
      if (CloseAllPlayers()) DestroyWindow(window);
      return 0;
    case WM_QUERYENDSESSION:
      return CloseAllPlayers() ? TRUE : FALSE;
    case WM_ENDSESSION:
      if (wParam) ShellShutdown();
      return 0;
    case WM_DESTROY:
      ShellShutdown();
      PostQuitMessage(0);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
      HandleKey(message, wParam);
      return 0;
    case WM_COMMAND:
      DispatchCommand(window, wParam, lParam);
      return 0;
    case WM_MENUSELECT:
      OpenMenu = reinterpret_cast<void*>(lParam);
      return 0;
    case WM_QUERYNEWPALETTE:
      return RealizePalette(window);
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) == window) break;
      return RealizePalette(window);
    case WM_GAME_TICK:
      HandleTick();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ShellShutdown() {
  // Runs at the end of the Windows session and again at WM_DESTROY: the timer stops once, the
  // surfaces are freed once, and the second save writes the same data again.
  StopTickTimer();
  FreeAllSurfaces();
  if (dataLoaded) {
    // At the end of a Windows session players may still sit at their machines (Windows may
    // end it while a question is still open): their medals and visits are settled first.
    CloseAllVisitsQuietly();
    SaveData();
  }
  if (!shutdownDone) ReportTickStats();
  shutdownDone = true;
}

int RunGame(HINSTANCE instance, int showCommand) {
  GameInstance = instance;
  if (!ClaimSingleInstance()) return 0;
  ResetShopClock();
  if (_getcwd(StartupDir, MAX_PATH) == nullptr) StartupDir[0] = '\0';

  if (!RegisterMainWindowClass() || !RegisterScreenClasses()) return 0;
  RECT outer = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&outer, kMainStyle, TRUE);
  wchar_t title[kWideTextChars];
  lstrcpynW(title, TextW(0, TextGameTitle), kWideTextChars);
  HWND window = CreateWindowExW(0, kMainClass, title, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, instance, nullptr);
  if (window == nullptr) return 0;
  if (!StartTickTimer()) {
    DestroyWindow(window);
    return 0;
  }
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  NoticeDialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_NOTICE), window, NoticeDialogProc, 0);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (NoticeDialog != nullptr && IsDialogMessageW(NoticeDialog, &msg)) continue;
    if (TranslateAcceleratorW(window, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ReleaseSingleInstance();
  return static_cast<int>(msg.wParam);
}
