// The play screen: the whole face painted from the machine record, and on every tick the
// machine's sounds and the parts it flagged (or that blink) redrawn straight into the window.
#include "presentation/play_face.h"

#include "hall/player_slot.h"
#include "presentation/face_looks.h"
#include "presentation/presentation.h"
#include "presentation/sound_dispatch.h"
#include "presentation/surfaces.h"

namespace {

using PartRoutine = void (*)(HDC, const MachineRecord&);

// The parts in their drawing order, with the redraw bit that asks for each.
struct Part {
  int bit;
  PartRoutine draw;
};
const Part kParts[8] = {
    {RedrawReels, DrawReels},           {RedrawStopLamps, DrawStopLamps},
    {RedrawLineLamps, DrawLineLamps},   {RedrawMedalLamp, DrawMedalLamp},
    {RedrawBonusLamps, DrawBonusLamps}, {RedrawBigChanceLamp, DrawBigChanceLamp},
    {RedrawDigits, DrawDigits},         {RedrawWaitLamp, DrawWaitLamp},
};

void Line(int x0, int y0, int x1, int y1) {
  MoveToEx(ScreenDC, x0, y0, nullptr);
  LineTo(ScreenDC, x1, y1);
}

void Glyph(HDC destination, int x, int glyph, DWORD rop) {
  CopyFromSurface(destination, x, face::kDigitsY, face::kDigitW, face::kDigitH, PanelDigits, 0,
                  face::kDigitH * glyph, rop);
}

}  // namespace

MachineRecord* CurrentMachine() {
  return CurrentSlot.slot != nullptr ? CurrentSlot.slot->machine : nullptr;
}

void DrawReels(HDC destination, const MachineRecord& m) {
  for (int r = 0; r < kReelCount; ++r) {
    int x = face::kReelX + face::kReelStep * r;
    CopyFromSurface(ScreenDC, x, face::kReelY, face::kReelW, face::kReelH, ReelStrips,
                    face::kReelW * r, ReelSourceY(m.reelPos[r]));
  }
  // The curve of the drum: the top and bottom rows of each window darken.
  for (int r = 0; r < kReelCount; ++r) {
    int x = face::kReelX + face::kReelStep * r;
    CopyFromSurface(ScreenDC, x, face::kReelY, face::kReelW, face::kShadeRows, ReelShade, 0, 0, SRCAND);
    CopyFromSurface(ScreenDC, x, face::kReelY + face::kReelH - face::kShadeRows, face::kReelW,
                    face::kShadeRows, ReelShade, 0, 0, SRCAND);
  }
  // The five pay lines, two pixels thick, lit or not (PayLinePen stays selected in ScreenDC).
  const int left = face::kReelsLeft, right = face::kReelsLeft + face::kReelsWidth;
  for (int d = 0; d < 2; ++d) {
    Line(left, 162 + d, right, 246 + d);
    Line(left, 171 + d, right, 171 + d);
    Line(left, 204 + d, right, 204 + d);
    Line(left, 237 + d, right, 237 + d);
    Line(left, 246 + d, right, 162 + d);
  }
  if (destination != ScreenDC) {
    BitBlt(destination, left, face::kReelY, face::kReelsWidth, face::kReelH, ScreenDC, left,
           face::kReelY, SRCCOPY);
  }
}

void DrawStopLamps(HDC destination, const MachineRecord& m) {
  for (int r = 0; r < kReelCount; ++r) {
    int look = StopLampLit(m, r) ? r + 3 : r;
    CopyFromSurface(destination, face::kStopLampX + face::kReelStep * r, face::kStopLampY,
                    face::kStopLampW, face::kStopLampH, StopLampLooks, 0, face::kStopLampH * look);
  }
}

void DrawLineLamps(HDC destination, const MachineRecord& m) {
  for (int i = 0; i < 5; ++i) {
    int look = LineLampLit(m, i) ? i + 5 : i;
    CopyFromSurface(destination, face::kLineLampX, face::kLineLampY + face::kLineLampStep * i,
                    face::kLineLampW, face::kLineLampH, LineLampLooks, 0, face::kLineLampH * look);
  }
}

void DrawMedalLamp(HDC destination, const MachineRecord& m) {
  CopyFromSurface(destination, face::kMedalLampX, face::kMedalLampY, face::kMedalLampW,
                  face::kMedalLampH, MedalLampLooks, 0, MedalLampLit(m) ? face::kMedalLampH : 0);
}

void DrawBonusLamps(HDC destination, const MachineRecord& m) {
  for (int k = 0; k < 3; ++k) {
    int look = BonusLampLit(m, k) ? k + 3 : k;
    CopyFromSurface(destination, face::kBonusLampX, face::kBonusLampY + face::kBonusLampStep * k,
                    face::kBonusLampW, face::kBonusLampH, BonusLampLooks, 0, face::kBonusLampH * look);
  }
}

void DrawBigChanceLamp(HDC destination, const MachineRecord& m) {
  CopyFromSurface(destination, face::kBigLampX, face::kBigLampY, face::kBigLampSize,
                  face::kBigLampSize, BigChanceLampLooks, 0, BigChanceLampLit(m) ? face::kBigLampSize : 0);
}

void DrawDigits(HDC destination, const MachineRecord& m) {
  FaceDigits d = FaceDigitsOf(m);
  Glyph(destination, face::kPayDigitsX, d.payTens, SRCCOPY);
  Glyph(destination, face::kPayDigitsX + face::kDigitW, d.payUnits, SRCCOPY);
  // The point glyph is dark everywhere but the point, and every digit is dark under it.
  if (d.payPoint) Glyph(destination, face::kPayDigitsX + face::kDigitW, face::kPointGlyph, SRCPAINT);
  Glyph(destination, face::kCreditDigitsX, d.creditTens, SRCCOPY);
  Glyph(destination, face::kCreditDigitsX + face::kDigitW, d.creditUnits, SRCCOPY);
}

void DrawWaitLamp(HDC destination, const MachineRecord& m) {
  CopyFromSurface(destination, face::kWaitX, face::kWaitOnY, face::kWaitW, face::kWaitH,
                  WaitLampLooks, 0, WaitLampOn(m) ? face::kWaitH : 0);
}

void RedrawChangedParts(MachineRecord& m, HWND playWindow) {
  m.redrawFlags |= BlinkRedrawBits(m);
  if (m.redrawFlags != 0) {
    HDC dc = GetDC(playWindow);
    if (dc != nullptr) {
      HPALETTE previous = SelectGamePalette(dc);
      for (const Part& part : kParts) {
        if (m.redrawFlags & part.bit) part.draw(dc, m);
      }
      RestorePalette(dc, previous);
      ReleaseDC(playWindow, dc);
    }
  }
  m.redrawFlags = 0;
}

void PaintPlayWindow(HWND playWindow) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(playWindow, &ps);
  MachineRecord* m = CurrentMachine();
  CopyFromSurface(ScreenDC, 0, 0, FacePicture.width, FacePicture.height, FacePicture, 0, 0);
  if (m != nullptr) {
    for (const Part& part : kParts) part.draw(ScreenDC, *m);
  }
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
