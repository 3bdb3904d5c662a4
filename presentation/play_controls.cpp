// The six play controls over the machine face: the medal slot, the bet button, the lever and
// the three stop buttons, pressed by the mouse, by automatic play (posted) and by the keypad
// (sent). Only a real mouse press captures the mouse and moves the cursor on.
#include <windows.h>
#include <windowsx.h>

#include "machine/auto_operate.h"
#include "machine/game_cycle.h"
#include "presentation/game_description.h"
#include "presentation/play_controls_layout.h"
#include "presentation/play_face.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "shell/auto_press.h"

namespace {

HWND controlWindows[kPlayControlCount] = {};

void* WindowOfControl(int control) { return PlayControlWindow(control); }
void PostDown(void* window) { PostMessageW(static_cast<HWND>(window), WM_LBUTTONDOWN, 0, 0); }
void PostUp(void* window) { PostMessageW(static_cast<HWND>(window), WM_LBUTTONUP, 0, 0); }
const ControlPressPort kPressPort = {WindowOfControl, PostDown, PostUp};

// A press from automatic play or the keypad carries the coordinates 0; so does a real press on
// a control's leftmost pixel column, which is then handled the same way.
bool RealPress(LPARAM lParam) { return LOWORD(lParam) != 0; }

void MoveCursorOn() {
  MachineRecord* m = CurrentMachine();
  if (m != nullptr) CursorToNextControl(*m);
}

// The look strip of a drawn control (released, pressed, and for a bet button with a lit pair
// lit released and lit pressed), or null for the medal slot.
const Surface* LooksOf(int control) {
  PlayControlPlace place;
  if (!PlayControlPlaceOf(control, place) || place.strip < 0) return nullptr;
  return &FaceStrips[place.strip];
}

void Operate(int control) {
  MachineRecord* m = CurrentMachine();
  if (m != nullptr) OperateControl(*m, control);
}

void ShowLook(HDC dc, int control, const Surface& looks, bool held) {
  PlayControlPlace place;
  PlayControlPlaceOf(control, place);
  HPALETTE previous = SelectGamePalette(dc);
  int look = PlayControlLook(control, CurrentMachine(), held);
  CopyFromSurface(dc, 0, 0, place.w, place.h, looks, 0, place.h * look);
  RestorePalette(dc, previous);
}

LRESULT CALLBACK MedalSlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Operate(ControlMedalIn);
      return 0;
    case WM_LBUTTONUP:
      if (RealPress(lParam)) MoveCursorOn();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// BetBtn, StartLvr and StopBtn alike: the look follows the button, the operation runs at the
// press whether or not the machine takes it.
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  int control = GetDlgCtrlID(window);
  const Surface* looks = LooksOf(control);
  if (looks == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      // A bet button with a lit pair shows its pressed look while a real press holds it.
      ShowLook(dc, control, *looks,
               GetCapture() == window && control == ControlBetButton && ActiveGame().betLooks == 4);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      HDC dc = GetDC(window);
      if (dc != nullptr) {
        ShowLook(dc, control, *looks, true);
        ReleaseDC(window, dc);
      }
      if (RealPress(lParam)) SetCapture(window);
      Operate(control);
      return 0;
    }
    case WM_LBUTTONUP:
      // A drag released on the leftmost column still gives the mouse back; an automatic
      // release while the player holds the button down does not take it away.
      if (GetCapture() == window && (RealPress(lParam) || (GetKeyState(VK_LBUTTON) & 0x8000) == 0)) {
        ReleaseCapture();
      }
      if (RealPress(lParam)) MoveCursorOn();
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE: {
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(window, &p);
      RECT r;
      GetWindowRect(window, &r);
      if (p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom) break;
      // Dragged off while held: the button springs back, though the mouse stays captured.
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterControlClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int cursorId) {
  WNDCLASSW wc = {};
  wc.style = 0;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(instance, MAKEINTRESOURCEW(cursorId));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  return RegisterClassW(&wc) != 0;
}

bool CreateControl(HWND playWindow, HINSTANCE instance, const wchar_t* className, int control) {
  PlayControlPlace place;
  if (!PlayControlPlaceOf(control, place)) return false;
  HWND window = CreateWindowExW(0, className, nullptr, WS_CHILD | WS_VISIBLE, place.x, place.y,
                                place.w, place.h, playWindow,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), instance,
                                nullptr);
  controlWindows[control - ControlMedalIn] = window;
  return window != nullptr;
}

}  // namespace

int CreatePlayControls(HWND playWindow) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(playWindow, GWLP_HINSTANCE));
  PlayControlPlace medal, bet, lever, stop;
  PlayControlPlaceOf(ControlMedalIn, medal);
  PlayControlPlaceOf(ControlBetButton, bet);
  PlayControlPlaceOf(ControlStartLever, lever);
  PlayControlPlaceOf(ControlStop1, stop);
  const int medalCursor = medal.cursorId, betCursor = bet.cursorId;
  const int leverCursor = lever.cursorId, stopCursor = stop.cursorId;
  if (!RegisterControlClass(instance, L"MedalIn", MedalSlotProc, medalCursor) ||
      !CreateControl(playWindow, instance, L"MedalIn", ControlMedalIn)) {
    return 0;
  }
  if (!RegisterControlClass(instance, L"BetBtn", ButtonProc, betCursor) ||
      !CreateControl(playWindow, instance, L"BetBtn", ControlBetButton)) {
    return 0;
  }
  if (!RegisterControlClass(instance, L"StartLvr", ButtonProc, leverCursor) ||
      !CreateControl(playWindow, instance, L"StartLvr", ControlStartLever)) {
    return 0;
  }
  if (!RegisterControlClass(instance, L"StopBtn", ButtonProc, stopCursor) ||
      !CreateControl(playWindow, instance, L"StopBtn", ControlStop1) ||
      !CreateControl(playWindow, instance, L"StopBtn", ControlStop2) ||
      !CreateControl(playWindow, instance, L"StopBtn", ControlStop3)) {
    return 0;
  }
  SetControlPressPort(&kPressPort);
  return 1;
}

HWND PlayControlWindow(int controlIndex) {
  int i = controlIndex - ControlMedalIn;
  return i >= 0 && i < kPlayControlCount ? controlWindows[i] : nullptr;
}

void CursorToNextControl(const MachineRecord& m) {
  CursorTarget target;
  if (!NextCursorTarget(m, target)) return;
  HWND window = PlayControlWindow(target.control);
  if (window == nullptr) return;
  POINT p = {target.x, target.y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
}
