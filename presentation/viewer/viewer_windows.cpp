// The viewer's windows: a main window with the screen windows and the info panel, each painting
// through the game's drawing code, and stand-ins for the panel's controls that show their faces.
#include "presentation/viewer/viewer_windows.h"

#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/player_slot.h"
#include "presentation/presentation.h"
#include "base/screen_id.h"
#include "shell/tick_handler.h"

HWND ViewerMain = nullptr, ViewerInfo = nullptr, ViewerTitle = nullptr, ViewerHall = nullptr,
     ViewerPlay = nullptr;

namespace {

HINSTANCE viewerInstance = nullptr;

// The panel's controls as the game places them; the viewer shows the faces of the current
// screen's controls.
struct PanelControl {
  int id, x, y, w, h;
  HWND window;
};
PanelControl panelControls[] = {
    {7, 4, 346, 120, 26, nullptr},  {8, 4, 374, 120, 26, nullptr},  {9, 4, 402, 120, 26, nullptr},
    {10, 4, 294, 60, 50, nullptr},  {11, 64, 294, 60, 50, nullptr}, {12, 4, 346, 120, 26, nullptr},
    {14, 4, 402, 120, 26, nullptr}, {15, 4, 318, 120, 26, nullptr}, {16, 4, 346, 120, 26, nullptr},
    {17, 4, 402, 120, 26, nullptr}, {13, 4, 346, 120, 26, nullptr}, {6, 0, 290, 128, 24, nullptr},
    {5, 4, 294, 120, 50, nullptr},  {18, 4, 318, 120, 26, nullptr}, {19, 4, 346, 120, 82, nullptr},
};

bool Shown(int id) {
  const PlayerSlot& s = *CurrentSlot.slot;
  switch (s.screen) {
    case ScreenTitle: return id == 5 || id == 7 || id == 8 || id == 9;
    case ScreenHall: return id == 10 || id == 11 || id == 12 || id == 8 || id == 14;
    case ScreenHallAway: return id == 10 || id == 11 || id == 13 || id == 8;
    case ScreenPlay:
      if (id == 6) return true;
      return s.PanelPage == 0 ? (id == 15 || id == 16 || id == 8 || id == 17)
                              : (id == 18 || id == 19);
    default: return false;
  }
}

LRESULT CALLBACK FaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  HPALETTE previous = SelectPalette(dc, GamePaletteHandle(), FALSE);
  RealizePalette(dc);
  const PlayerSlot& s = *CurrentSlot.slot;
  int id = GetDlgCtrlID(window);
  switch (id) {
    case 5: DrawDayNightFace(dc, s.shop); break;
    case 6: DrawPageTabFace(dc, s.PanelPage); break;
    case 18: DrawPlayModeFace(dc, s.machine ? s.machine->autoPlay : 0); break;
    case 19: DrawStopOrderFace(dc, s.machine ? s.machine->stopOrder : 0); break;
    default: DrawPanelButtonFace(dc, id, false); break;
  }
  SelectPalette(dc, previous, FALSE);
  EndPaint(window, &ps);
  return 0;
}

LRESULT CALLBACK ScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      // Only the play window is created with a parameter: it brings the play controls.
      CREATESTRUCTW* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
      if (cs->lpCreateParams != nullptr) return CreatePlayControls(window) ? 0 : -1;
      return 0;
    }
    case WM_PAINT:
      if (window == ViewerTitle) PaintTitleWindow(window);
      else if (window == ViewerHall) PaintHallWindow(window);
      else if (window == ViewerPlay) PaintPlayWindow(window);
      else if (window == ViewerInfo) PaintInfoPanel(window);
      else ValidateRect(window, nullptr);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Keypad presses reach the play controls the way the game sends them.
void Keypad(UINT key, bool down) {
  static const struct {
    UINT key;
    int control;
  } kKeys[] = {{VK_NUMPAD1, 23}, {VK_NUMPAD2, 24}, {VK_NUMPAD3, 25},
               {VK_NUMPAD4, 21}, {VK_NUMPAD5, 22}, {VK_NUMPAD6, 20}};
  if (CurrentSlot.slot->screen != ScreenPlay) return;
  for (const auto& k : kKeys) {
    if (k.key == key) SendMessageW(PlayControlWindow(k.control), down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, 0);
  }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYNEWPALETTE:
      return RealizeGamePalette(window);
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) != window) return RealizeGamePalette(window);
      break;
    case WM_KEYDOWN:
      Keypad(static_cast<UINT>(wParam), true);
      return 0;
    case WM_KEYUP:
      Keypad(static_cast<UINT>(wParam), false);
      return 0;
    case WM_TIMER:
      ViewerTick();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool Register(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = procedure;
  wc.hInstance = viewerInstance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  return RegisterClassW(&wc) != 0;
}

HWND Child(const wchar_t* name, HWND parent, int x, int y, int w, int h, int id, void* param) {
  return CreateWindowExW(0, name, nullptr, WS_CHILD, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), viewerInstance, param);
}

void ScreenTick() {
  switch (CurrentSlot.slot->screen) {
    case ScreenTitle: TitleWindowTick(ViewerTitle); break;
    case ScreenHall:
    case ScreenHallAway: HallWindowTick(ViewerHall); break;
    case ScreenPlay: PlayWindowTick(ViewerPlay); break;
    default: break;
  }
}
void HallStep() {
  HallTick();
  // Nobody answers the hall's notices in the viewer.
  ClearHallOutbox();
}
void PanelStep() { InfoPanelTick(ViewerInfo); }
const TickSteps kSteps = {nullptr, ScreenTick, HallStep, PanelStep};

}  // namespace

bool CreateViewerWindows(HINSTANCE instance) {
  viewerInstance = instance;
  if (!Register(L"MeridolaViewer", MainProc) || !Register(L"MeridolaViewerScreen", ScreenProc) ||
      !Register(L"MeridolaViewerFace", FaceProc)) {
    return false;
  }
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r = {0, 0, 608, 432};
  AdjustWindowRect(&r, style, FALSE);
  ViewerMain = CreateWindowExW(0, L"MeridolaViewer", L"MERIDOLA No.1 viewer", style, 0, 0,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  if (ViewerMain == nullptr || !CreateAllSurfaces(ViewerMain)) return false;
  ViewerInfo = Child(L"MeridolaViewerScreen", ViewerMain, 480, 0, 128, 432, 0, nullptr);
  ViewerTitle = Child(L"MeridolaViewerScreen", ViewerMain, 0, 0, 480, 432, 0, nullptr);
  ViewerHall = Child(L"MeridolaViewerScreen", ViewerMain, 0, 0, 480, 432, 0, nullptr);
  ViewerPlay = Child(L"MeridolaViewerScreen", ViewerMain, 0, 0, 480, 432, 0, &ViewerPlay);
  if (!ViewerInfo || !ViewerTitle || !ViewerHall || !ViewerPlay) return false;
  for (PanelControl& c : panelControls) {
    c.window = Child(L"MeridolaViewerFace", ViewerInfo, c.x, c.y, c.w, c.h, c.id, nullptr);
    if (c.window == nullptr) return false;
  }
  ShowWindow(ViewerInfo, SW_SHOW);
  ShowWindow(ViewerMain, SW_SHOW);
  return true;
}

void ShowCurrentScreen() {
  int screen = CurrentSlot.slot->screen;
  ShowWindow(ViewerTitle, screen == ScreenTitle ? SW_SHOW : SW_HIDE);
  ShowWindow(ViewerHall, screen == ScreenHall || screen == ScreenHallAway ? SW_SHOW : SW_HIDE);
  ShowWindow(ViewerPlay, screen == ScreenPlay ? SW_SHOW : SW_HIDE);
  for (PanelControl& c : panelControls) ShowWindow(c.window, Shown(c.id) ? SW_SHOW : SW_HIDE);
  RedrawWindow(ViewerMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

void ViewerTick() { RunTick(kSteps); }

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void DestroyViewerWindows() {
  if (ViewerMain != nullptr) DestroyWindow(ViewerMain);
  ViewerMain = nullptr;
  FreeAllSurfaces();
}
