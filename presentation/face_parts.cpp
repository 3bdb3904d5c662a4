// The look strips of a game, built at start-up as its description says: the reel strips and
// their shade, the controls released and pressed, every lamp unlit and lit, the digits, and the
// lamps of the machine as the hall shows it.
#include "machine/machine_model.h"
#include "presentation/game_description.h"
#include "presentation/surfaces.h"

namespace {

bool BuildReelStrips(HINSTANCE instance, const GameDescription& g, const StripSpec& s, Surface& out) {
  SourcePicture symbols(instance, s.bitmap);
  const int u = g.symbolHeight, w = g.reels.w;
  if (!symbols.ok() || !BeginPart(out, 3 * w, kReelStripSymbols * u)) return false;
  const MachineModel& model = ActiveMachine();
  for (int r = 0; r < kReelCount; ++r) {
    for (int j = 0; j < kReelStripSymbols; ++j) {
      int code = model.strips[r][j % kStripLength];
      CopyFromSurface(HallDC, w * r, u * j, w, u, symbols.surface, s.symbolsX, u * code);
    }
  }
  // The seam on the last row of strip index 20, where one turn ends.
  HGDIOBJ previous = SelectObject(HallDC, GetStockObject(BLACK_PEN));
  MoveToEx(HallDC, 0, ReelTurn(g) - 1, nullptr);
  LineTo(HallDC, 3 * w, ReelTurn(g) - 1);
  SelectObject(HallDC, previous);
  EndPart();
  return true;
}

bool BuildShade(HINSTANCE instance, const GameDescription& g, const StripSpec& s, Surface& out) {
  SourcePicture symbols(instance, s.bitmap);
  if (!symbols.ok() || !BeginPart(out, s.w, s.h)) return false;
  CopyFromSurface(HallDC, 0, 0, s.w, s.h, symbols.surface, 0, g.reels.shadeY);
  EndPart();
  return true;
}

// One look into row `row` of the part being built.
bool BuildLook(HINSTANCE instance, const StripSpec& s, const LookStep& step, int row) {
  const int dy = s.h * row;
  switch (step.source) {
    case LookSource::PaintedFace: {
      // A transparent lamp picture painted over the face stays there until the next full
      // paint; the lit look is the face as it then stands.
      MaskedSprite lit = LoadMaskedSprite(instance, step.bitmap);
      if (lit.image == nullptr) return false;
      DrawMaskedSprite(ScreenDC, step.x, step.y, s.w, s.h, ScratchDC, step.sx, step.sy, lit);
      FreeMaskedSprite(lit);
      [[fallthrough]];
    }
    case LookSource::Face:
      BitBlt(HallDC, 0, dy, s.w, s.h, ScreenDC, step.x, step.y, SRCCOPY);
      return true;
    case LookSource::Bitmap: {
      SourcePicture picture(instance, step.bitmap);
      if (!picture.ok()) return false;
      CopyFromSurface(HallDC, 0, dy, s.w, s.h, picture.surface, step.sx, step.sy);
      return true;
    }
  }
  return false;
}

bool BuildLooks(HINSTANCE instance, const StripSpec& s, Surface& out) {
  if (!BeginPart(out, s.w, s.h * s.stepCount)) return false;
  for (int i = 0; i < s.stepCount; ++i) {
    if (!BuildLook(instance, s, s.steps[i], i)) {
      EndPart();
      return false;
    }
  }
  EndPart();
  return true;
}

bool BuildStrip(HINSTANCE instance, const GameDescription& g, const StripSpec& s, Surface& out) {
  switch (s.kind) {
    case StripKind::Reels: return BuildReelStrips(instance, g, s, out);
    case StripKind::Shade: return BuildShade(instance, g, s, out);
    case StripKind::Whole: out = LoadBitmapSurface(instance, s.bitmap); return out.bitmap != nullptr;
    case StripKind::Looks: return BuildLooks(instance, s, out);
  }
  return false;
}

}  // namespace

bool BuildFaceParts(HINSTANCE instance) {
  const GameDescription& g = ActiveGame();
  if (g.stripCount > kMaxFaceStrips) return false;
  for (int i = 0; i < g.stripCount; ++i) {
    if (!BuildStrip(instance, g, g.strips[i], FaceStrips[i])) return false;
  }
  return true;
}

bool BuildHallLampParts(HINSTANCE instance) {
  const GameDescription& g = ActiveGame();
  if (g.hallStripCount > kMaxHallStrips) return false;
  for (int i = 0; i < g.hallStripCount; ++i) {
    if (!BuildStrip(instance, g, g.hallStrips[i], HallStrips[i])) return false;
  }
  return true;
}
