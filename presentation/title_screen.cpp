// The title screen: the title picture (with its own colours, mapped to the game palette on the
// way through the screen surface), and the palette kept realised while it shows.
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "base/tick_counters.h"

void PaintTitleWindow(HWND titleWindow) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(titleWindow, &ps);
  HPALETTE previous = SelectGamePalette(dc);
  CopyFromSurface(ScreenDC, 0, 0, TitlePicture.width, TitlePicture.height, TitlePicture, 0, 0);
  BitBlt(dc, 0, 0, ScreenSurface.width, ScreenSurface.height, ScreenDC, 0, 0, SRCCOPY);
  RestorePalette(dc, previous);
  EndPaint(titleWindow, &ps);
}

void TitleWindowTick(HWND titleWindow) {
  if (Phase256 != 0) return;
  HDC dc = GetDC(titleWindow);
  if (dc == nullptr) return;
  HPALETTE previous = SelectGamePalette(dc);
  RestorePalette(dc, previous);
  ReleaseDC(titleWindow, dc);
}
