// The play screen: the whole face painted from the machine record, and on every tick the
// machine's sounds and the parts it flagged (or that blink) redrawn straight into the window.
// What the parts are, where they sit and which rule picks each look is the game's description.
#include "presentation/play_face.h"

#include "hall/player_slot.h"
#include "presentation/game_description.h"
#include "presentation/presentation.h"
#include "presentation/sound_dispatch.h"
#include "presentation/surfaces.h"

namespace {

void DrawLooks(HDC destination, const MachineRecord& m, const PartSpec& part) {
  const StripSpec& strip = ActiveGame().strips[part.strip];
  const Surface& looks = FaceStrips[part.strip];
  for (int i = 0; i < part.placeCount; ++i) {
    int look = part.look(m, i);
    if (look < 0) continue;
    const Place& at = part.places[i];
    CopyFromSurface(destination, at.x, at.y, strip.w, strip.h, looks, 0, strip.h * look,
                    at.paint ? SRCPAINT : SRCCOPY);
  }
}

// The lit look rises from the bottom by the rule's number of rows; the unlit look above it.
void DrawGauge(HDC destination, const MachineRecord& m, const PartSpec& part) {
  const StripSpec& strip = ActiveGame().strips[part.strip];
  const Surface& looks = FaceStrips[part.strip];
  const Place& at = part.places[0];
  int lit = part.look(m, 0);
  if (lit < 0) lit = 0;
  if (lit > strip.h) lit = strip.h;
  const int unlit = strip.h - lit;
  if (unlit > 0) CopyFromSurface(destination, at.x, at.y, strip.w, unlit, looks, 0, 0);
  if (lit > 0) CopyFromSurface(destination, at.x, at.y + unlit, strip.w, lit, looks, 0, strip.h + unlit);
}

// The reel windows are composed on the screen surface (shade and pay lines over the symbols)
// and then copied to the destination as one rectangle.
void DrawReelWindows(HDC destination, const MachineRecord& m, const PartSpec& part) {
  const GameDescription& g = ActiveGame();
  const ReelGeometry& r = g.reels;
  // Cells (bit 3 x reel + row) shown from the dark strip; bit 9 darkens the rest of the
  // windows too, around the cells.
  const int dark = part.darkStrip >= 0 ? part.look(m, 0) : 0;
  const bool darkWindows = (dark & kDarkWindows) != 0;
  const Surface& normal = FaceStrips[g.reelStrip];
  for (int k = 0; k < kReelCount; ++k) {
    const int x = r.x + r.step * k, sourceY = ReelSourceY(g, m.reelPos[k]);
    CopyFromSurface(ScreenDC, x, r.y, r.w, r.h, darkWindows ? FaceStrips[part.darkStrip] : normal,
                    r.w * k, sourceY);
    for (int row = 0; row < 3; ++row) {
      const bool darkCell = (dark & (1 << (3 * k + row))) != 0;
      if (darkCell == darkWindows) continue;
      const int dy = r.rowsAbove + g.symbolHeight * row;
      CopyFromSurface(ScreenDC, x, r.y + dy, r.w, g.symbolHeight,
                      darkCell ? FaceStrips[part.darkStrip] : normal, r.w * k, sourceY + dy);
    }
  }
  // The curve of the drum: the top and bottom rows of each window darken.
  for (int k = 0; k < kReelCount; ++k) {
    const int x = r.x + r.step * k;
    CopyFromSurface(ScreenDC, x, r.y, r.w, r.shadeRows, FaceStrips[g.shadeStrip], 0, 0, SRCAND);
    CopyFromSurface(ScreenDC, x, r.y + r.h - r.shadeRows, r.w, r.shadeRows, FaceStrips[g.shadeStrip], 0, 0,
                    SRCAND);
  }
  // The pay lines, lit or not (PayLinePen stays selected in ScreenDC).
  for (int i = 0; i < g.payLineCount; ++i) {
    const PayLineSegment& s = g.payLines[i];
    MoveToEx(ScreenDC, s.x0, s.y0, nullptr);
    LineTo(ScreenDC, s.x1, s.y1);
  }
  if (destination != ScreenDC) {
    const int width = r.step * (kReelCount - 1) + r.w;
    BitBlt(destination, r.x, r.y, width, r.h, ScreenDC, r.x, r.y, SRCCOPY);
  }
}

void DrawPart(HDC destination, const MachineRecord& m, const PartSpec& part) {
  switch (part.drawer) {
    case PartDrawer::Reels: DrawReelWindows(destination, m, part); break;
    case PartDrawer::Looks: DrawLooks(destination, m, part); break;
    case PartDrawer::Gauge: DrawGauge(destination, m, part); break;
  }
}

}  // namespace

MachineRecord* CurrentMachine() {
  return CurrentSlot.slot != nullptr ? CurrentSlot.slot->machine : nullptr;
}

void RedrawChangedParts(MachineRecord& m, HWND playWindow) {
  const GameDescription& g = ActiveGame();
  bool invalidateBet = false;
  m.redrawFlags |= TickMarkBits(g, m, &invalidateBet);
  // The description's tick marks say when; a button that blinks only before the lever is
  // also repainted after it, or it would keep whichever look it had at the lever.
  if (invalidateBet) {
    HWND bet = PlayControlWindow(21);
    if (bet != nullptr) InvalidateRect(bet, nullptr, FALSE);
  }
  if (m.redrawFlags != 0) {
    HDC dc = GetDC(playWindow);
    if (dc != nullptr) {
      HPALETTE previous = SelectGamePalette(dc);
      for (int i = 0; i < g.partCount; ++i) {
        if (m.redrawFlags & g.parts[i].bit) DrawPart(dc, m, g.parts[i]);
      }
      RestorePalette(dc, previous);
      ReleaseDC(playWindow, dc);
    }
  }
  m.redrawFlags = 0;
}

void ComposeFace(const MachineRecord* m) {
  const GameDescription& g = ActiveGame();
  CopyFromSurface(ScreenDC, 0, 0, FacePicture.width, FacePicture.height, FacePicture, 0, 0);
  if (m == nullptr) return;
  // Some parts show the face's own look until the tick redraws them.
  for (int i = 0; i < g.partCount; ++i) {
    if ((g.parts[i].bit & g.fullPaintSkips) == 0) DrawPart(ScreenDC, *m, g.parts[i]);
  }
}

void PaintPlayWindow(HWND playWindow) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(playWindow, &ps);
  ComposeFace(CurrentMachine());
  HPALETTE previous = SelectGamePalette(dc);
  BitBlt(dc, 0, 0, ScreenSurface.width, ScreenSurface.height, ScreenDC, 0, 0, SRCCOPY);
  RestorePalette(dc, previous);
  EndPaint(playWindow, &ps);
}

void PlayWindowTick(HWND playWindow) {
  MachineRecord* m = CurrentMachine();
  if (m == nullptr) return;
  DispatchMachineSound(*m, PlayWave);
  RedrawChangedParts(*m, playWindow);
}
