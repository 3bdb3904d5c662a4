// The faces of the info panel's controls: the owner-drawn buttons, the day/night switch, the
// play-mode and stop-order selectors and the page tab, each one copy from its bitmap.
#include "presentation/panel_looks.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"

namespace {

void Face(HDC dc, const Surface& from, const FaceRect& r) {
  CopyFromSurface(dc, 0, 0, r.w, r.h, from, r.x, r.y);
}

}  // namespace

void DrawPanelButtonFace(HDC dc, int buttonId, bool pressed) {
  FaceRect r;
  if (PanelButtonFaceRect(buttonId, pressed, r)) Face(dc, ButtonFaces, r);
}

void DrawDayNightFace(HDC dc, int shop) { Face(dc, ButtonFaces, DayNightFaceRect(shop)); }
void DrawPlayModeFace(HDC dc, int autoPlay) { Face(dc, SelectorFaces, PlayModeFaceRect(autoPlay)); }
void DrawStopOrderFace(HDC dc, int stopOrder) {
  Face(dc, SelectorFaces, StopOrderFaceRect(stopOrder));
}
void DrawPageTabFace(HDC dc, int page) { Face(dc, PageTabLooks, PageTabFaceRect(page)); }
