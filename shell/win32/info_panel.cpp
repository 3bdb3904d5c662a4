// The info panel on the right of every screen and its controls: eleven owner-drawn buttons
// (faces from the panel artwork), the page tab, the day/night switch, and the play-mode and
// stop-order switches. Clicks become commands posted to the main window.
#include "hall/player_slot.h"
#include "presentation/presentation.h"
#include "shell/command_ids.h"
#include "shell/panel_layout.h"
#include "shell/slot_rules.h"
#include "shell/win32/shell_windows.h"

LRESULT CALLBACK InfoPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

struct ButtonPlace {
  int id, x, y, width, height;
};
// In the order they are created.
const ButtonPlace kButtons[] = {
    {PanelGame, 4, 346, 120, 26},     {PanelPlayer, 4, 374, 120, 26},
    {PanelExitTitle, 4, 402, 120, 26}, {PanelFore, 4, 294, 60, 50},
    {PanelNext, 64, 294, 60, 50},     {PanelChoose, 4, 346, 120, 26},
    {PanelExitHall, 4, 402, 120, 26}, {PanelChange, 4, 318, 120, 26},
    {PanelHall, 4, 346, 120, 26},     {PanelExitPlay, 4, 402, 120, 26},
    {PanelReturn, 4, 346, 120, 26},
};

HWND controls[PanelTurnBtn + 1];

// Draws a face with the game's palette realised in the control's context.
template <typename Draw>
void WithPalette(HDC dc, Draw draw) {
  HPALETTE old = SelectPalette(dc, GamePaletteHandle(), FALSE);
  RealizePalette(dc);
  draw(dc);
  SelectPalette(dc, old, FALSE);
}

void PaintFace(HWND window, int id) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  const PlayerSlot& slot = *CurrentSlot.slot;
  WithPalette(dc, [&](HDC d) {
    switch (id) {
      case PanelMiseBtn: DrawDayNightFace(d, slot.shop); break;
      case PanelPlayBtn: DrawPlayModeFace(d, slot.machine ? slot.machine->autoPlay : 0); break;
      case PanelTurnBtn: DrawStopOrderFace(d, slot.machine ? slot.machine->stopOrder : 0); break;
      case PanelTab: DrawPageTabFace(d, slot.PanelPage); break;
      default: break;
    }
  });
  EndPaint(window, &ps);
}

void Post(int command, WPARAM wParam) {
  PostMessageW(MainWindow, WM_COMMAND, static_cast<WPARAM>(command),
               static_cast<LPARAM>(LOWORD(wParam)));
}

LRESULT CALLBACK MiseBtnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    Post(ShopCommandAt(static_cast<short>(LOWORD(lParam))), wParam);
    return 0;
  }
  if (message == WM_PAINT) {
    PaintFace(window, PanelMiseBtn);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PlayBtnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    Post(PlayModeCommandAt(static_cast<short>(LOWORD(lParam))), wParam);
    return 0;
  }
  if (message == WM_PAINT) {
    PaintFace(window, PanelPlayBtn);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TurnBtnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    Post(StopOrderCommandAt(static_cast<short>(HIWORD(lParam))), wParam);
    return 0;
  }
  if (message == WM_PAINT) {
    PaintFace(window, PanelTurnBtn);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TabProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    ShowPanelPage(PageAt(static_cast<short>(LOWORD(lParam))));
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  }
  if (message == WM_PAINT) {
    PaintFace(window, PanelTab);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Registers a control's class just before its one window is made.
HWND CreateOwnControl(HWND panel, const wchar_t* name, WNDPROC proc, int id, int x, int y, int w,
                      int h) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GameInstance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  if (RegisterClassExW(&wc) == 0) return nullptr;
  return CreateWindowExW(0, name, nullptr, WS_CHILD | WS_VISIBLE, x, y, w, h, panel,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GameInstance,
                         nullptr);
}

bool CreatePanelControls(HWND panel) {
  for (const ButtonPlace& b : kButtons) {
    controls[b.id] = CreateWindowExW(0, L"button", nullptr, WS_CHILD | BS_OWNERDRAW, b.x, b.y,
                                     b.width, b.height, panel,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)),
                                     GameInstance, nullptr);
    if (controls[b.id] == nullptr) return false;
  }
  controls[PanelTab] = CreateOwnControl(panel, L"Tab", TabProc, PanelTab, 0, 290, 128, 24);
  if (controls[PanelTab] == nullptr) return false;
  controls[PanelMiseBtn] =
      CreateOwnControl(panel, L"MiseBtn", MiseBtnProc, PanelMiseBtn, 4, 294, 120, 50);
  if (controls[PanelMiseBtn] == nullptr) return false;
  controls[PanelPlayBtn] =
      CreateOwnControl(panel, L"PlayBtn", PlayBtnProc, PanelPlayBtn, 4, 318, 120, 26);
  if (controls[PanelPlayBtn] == nullptr) return false;
  controls[PanelTurnBtn] =
      CreateOwnControl(panel, L"TurnBtn", TurnBtnProc, PanelTurnBtn, 4, 346, 120, 82);
  return controls[PanelTurnBtn] != nullptr;
}

void DrawButtonItem(const DRAWITEMSTRUCT& item) {
  WithPalette(item.hDC, [&](HDC d) {
    DrawPanelButtonFace(d, static_cast<int>(item.CtlID), (item.itemState & ODS_SELECTED) != 0);
  });
}

}  // namespace

LRESULT CALLBACK InfoPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return CreatePanelControls(window) ? 0 : -1;
    case WM_PAINT:
      PaintInfoPanel(window);
      return 0;
    case WM_DRAWITEM:
      DrawButtonItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND: {
      int command = PanelButtonCommand(LOWORD(wParam));
      if (command != 0) {
        PostMessageW(MainWindow, WM_COMMAND, static_cast<WPARAM>(command),
                     static_cast<LPARAM>(LOWORD(wParam)));
      }
      // The keypad keeps working after a click on the panel.
      SetFocus(MainWindow);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      int tab = PlayerTabAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      if (tab < 0) break;
      PostMessageW(MainWindow, WM_COMMAND, static_cast<WPARAM>(CmdSlotP1 + tab),
                   static_cast<LPARAM>(LOWORD(wParam)));
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND PanelControl(int id) {
  if (id < PanelMiseBtn || id > PanelTurnBtn) return nullptr;
  return controls[id];
}

void ShowScreenControls() {
  for (int id : kPanelHideOrder) ShowWindow(controls[id], SW_HIDE);
  int shown[kPanelControlCount];
  const PlayerSlot& slot = *CurrentSlot.slot;
  int n = ScreenControlIds(slot.screen, slot.PanelPage, shown);
  for (int i = 0; i < n; ++i) {
    ShowWindow(controls[shown[i]], SW_SHOW);
    InvalidateRect(controls[shown[i]], nullptr, FALSE);
  }
}

void ShowPanelPage(int page) {
  if (!SetPanelPage(page)) return;
  int hide[4], show[4];
  int hidden = PageControlIds(1 - page, hide);
  int shown = PageControlIds(page, show);
  for (int i = 0; i < hidden; ++i) ShowWindow(controls[hide[i]], SW_HIDE);
  for (int i = 0; i < shown; ++i) ShowWindow(controls[show[i]], SW_SHOW);
}

void InvalidateInfoArea() {
  RECT area = {kInfoAreaLeft, kInfoAreaTop, kInfoAreaRight, kInfoAreaBottom};
  InvalidateRect(InfoPanel, &area, FALSE);
}

void InvalidatePanelControl(int id) {
  HWND control = PanelControl(id);
  if (control != nullptr) InvalidateRect(control, nullptr, FALSE);
}
