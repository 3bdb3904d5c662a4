// The looks of the Orlido 2's face, built at start-up: the reel strips, the controls released
// and pressed, every lamp unlit and lit, the digits and the reel shade.
#include "machine/machine_model.h"
#include "presentation/face_looks.h"
#include "presentation/play_controls_layout.h"
#include "presentation/surfaces.h"

namespace {

// A piece of the face as the player sees it now (ScreenSurface), into the part being built.
void FromFace(int x, int y, int w, int h, int dy) { BitBlt(HallDC, 0, dy, w, h, ScreenDC, x, y, SRCCOPY); }

void FromPicture(const Surface& picture, int sy, int w, int h, int dy) {
  CopyFromSurface(HallDC, 0, dy, w, h, picture, 0, sy);
}

bool BuildReelStrips(HINSTANCE instance) {
  SourcePicture symbols(instance, 600);
  if (!symbols.ok()) return false;
  const int u = face::kSymbolHeight;
  if (!BeginPart(ReelStrips, 3 * face::kReelW, face::kStripRows * u)) return false;
  const MachineModel& model = ActiveMachine();
  for (int r = 0; r < kReelCount; ++r) {
    for (int j = 0; j < face::kStripRows; ++j) {
      int code = model.strips[r][j % kStripLength];
      CopyFromSurface(HallDC, face::kReelW * r, u * j, face::kReelW, u, symbols.surface, 0, u * code);
    }
  }
  // The seam on the last row of strip index 20, where one turn ends.
  HGDIOBJ previous = SelectObject(HallDC, GetStockObject(BLACK_PEN));
  MoveToEx(HallDC, 0, face::kTurn - 1, nullptr);
  LineTo(HallDC, 3 * face::kReelW, face::kTurn - 1);
  SelectObject(HallDC, previous);
  EndPart();
  return true;
}

// A control's released look from the face above its pressed picture.
bool BuildControlLooks(HINSTANCE instance, int id, Surface& part, int x, int y, int w, int h) {
  SourcePicture pressed(instance, id);
  if (!pressed.ok() || !BeginPart(part, w, 2 * h)) return false;
  FromFace(x, y, w, h, 0);
  FromPicture(pressed.surface, 0, w, h, h);
  EndPart();
  return true;
}

// Bet-line lamps: the five as printed, then the lit number pictures painted over the face and
// the five taken again.
bool BuildLineLamps(HINSTANCE instance) {
  MaskedSprite lit = LoadMaskedSprite(instance, 604);
  bool ok = lit.image != nullptr && BeginPart(LineLampLooks, face::kLineLampW, 10 * face::kLineLampH);
  if (ok) {
    static const int kNumberRow[5] = {60, 30, 0, 30, 60};  // the numbers 3, 2, 1, 2, 3
    for (int i = 0; i < 5; ++i) {
      int y = face::kLineLampY + face::kLineLampStep * i;
      FromFace(face::kLineLampX, y, face::kLineLampW, face::kLineLampH, face::kLineLampH * i);
      DrawMaskedSprite(ScreenDC, face::kLineLampX, y, face::kLineLampW, face::kLineLampH, ScratchDC,
                       0, kNumberRow[i], lit);
      FromFace(face::kLineLampX, y, face::kLineLampW, face::kLineLampH, face::kLineLampH * (i + 5));
    }
    EndPart();
  }
  FreeMaskedSprite(lit);
  return ok;
}

bool BuildStopLamps(HINSTANCE instance) {
  SourcePicture lit(instance, 605);
  if (!lit.ok() || !BeginPart(StopLampLooks, face::kStopLampW, 6 * face::kStopLampH)) return false;
  for (int r = 0; r < kReelCount; ++r) {
    FromFace(face::kStopLampX + face::kReelStep * r, face::kStopLampY, face::kStopLampW,
             face::kStopLampH, face::kStopLampH * r);
    // The right reel's lamp has a picture of its own; the left and centre share the first.
    FromPicture(lit.surface, r == 2 ? face::kStopLampH : 0, face::kStopLampW, face::kStopLampH,
                face::kStopLampH * (r + 3));
  }
  EndPart();
  return true;
}

bool BuildBonusLamps(HINSTANCE instance) {
  MaskedSprite lit = LoadMaskedSprite(instance, 607);
  bool ok = lit.image != nullptr && BeginPart(BonusLampLooks, face::kBonusLampW, 6 * face::kBonusLampH);
  if (ok) {
    for (int k = 0; k < 3; ++k) {
      int y = face::kBonusLampY + face::kBonusLampStep * k;
      FromFace(face::kBonusLampX, y, face::kBonusLampW, face::kBonusLampH, face::kBonusLampH * k);
      DrawMaskedSprite(ScreenDC, face::kBonusLampX, y, face::kBonusLampW, face::kBonusLampH,
                       ScratchDC, 0, 0, lit);
      FromFace(face::kBonusLampX, y, face::kBonusLampW, face::kBonusLampH, face::kBonusLampH * (k + 3));
    }
    EndPart();
  }
  FreeMaskedSprite(lit);
  return ok;
}

bool BuildWaitLamp() {
  if (!BeginPart(WaitLampLooks, face::kWaitW, 2 * face::kWaitH)) return false;
  FromFace(face::kWaitX, face::kWaitOffY, face::kWaitW, face::kWaitH, 0);
  FromFace(face::kWaitX, face::kWaitOnY, face::kWaitW, face::kWaitH, face::kWaitH);
  EndPart();
  return true;
}

bool BuildReelShade(HINSTANCE instance) {
  SourcePicture symbols(instance, 600);
  if (!symbols.ok() || !BeginPart(ReelShade, face::kReelW, face::kShadeRows)) return false;
  FromPicture(symbols.surface, 324, face::kReelW, face::kShadeRows, 0);
  EndPart();
  return true;
}

}  // namespace

bool BuildFaceParts(HINSTANCE instance) {
  if (!BuildReelStrips(instance)) return false;
  // The controls' released looks lie under the controls' own windows.
  const PlayControlPlace& lever = *PlayControlPlaceOf(ControlStartLever);
  const PlayControlPlace& stop = *PlayControlPlaceOf(ControlStop1);
  const PlayControlPlace& bet = *PlayControlPlaceOf(ControlBetButton);
  if (!BuildControlLooks(instance, 601, LeverLooks, lever.x, lever.y, lever.w, lever.h) ||
      !BuildControlLooks(instance, 602, StopButtonLooks, stop.x, stop.y, stop.w, stop.h) ||
      !BuildControlLooks(instance, 603, BetButtonLooks, bet.x, bet.y, bet.w, bet.h)) {
    return false;
  }
  if (!BuildLineLamps(instance)) return false;
  if (!BuildStopLamps(instance)) return false;
  if (!BuildControlLooks(instance, 606, MedalLampLooks, face::kMedalLampX, face::kMedalLampY,
                         face::kMedalLampW, face::kMedalLampH)) {
    return false;
  }
  if (!BuildBonusLamps(instance)) return false;
  if (!BuildControlLooks(instance, 608, BigChanceLampLooks, face::kBigLampX, face::kBigLampY,
                         face::kBigLampSize, face::kBigLampSize)) {
    return false;
  }
  PanelDigits = LoadBitmapSurface(instance, 609);
  if (PanelDigits.bitmap == nullptr) return false;
  if (!BuildWaitLamp()) return false;
  return BuildReelShade(instance);
}
