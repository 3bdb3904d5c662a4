// The hall machines' sign bands read back from the hall window, against the hall strips the
// face reference rebuilds from the game's own bitmaps.
#include "games/e2e/hall_bands.h"

#include "games/e2e/e2e_game.h"
#include "games/e2e/game_session.h"
#include "presentation/game_description.h"
#include "presentation/hall_looks.h"

int HallBandLook(const FaceReference& ref, const Picture& hall, int slot) {
  const HallPartSpec& band = DrivenDescription().hallParts[0];
  return ref.HallLookAt(hall, band.strip, HallSlotX(slot) + hall_view::kMachineDX + band.x, band.y);
}

bool HallBandFlashes(const FaceReference& ref, HWND hall, int slot, int dark, int bright, int ms) {
  bool seenDark = false, seenBright = false;
  WaitUntil([&] {
    Picture pic;
    if (!CapturePlayWindow(hall, pic)) return false;
    int look = HallBandLook(ref, pic, slot);
    seenDark = seenDark || look == dark;
    seenBright = seenBright || look == bright;
    return seenDark && seenBright;
  }, ms);
  return seenDark && seenBright;
}

bool HallBandShows(const FaceReference& ref, HWND hall, int slot, int look, int ms, int* seen) {
  return WaitUntil([&] {
    Picture pic;
    *seen = CapturePlayWindow(hall, pic) ? HallBandLook(ref, pic, slot) : -2;
    return *seen == look;
  }, ms);
}
