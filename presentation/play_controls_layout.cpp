// The play controls' places on the Orlido 2's face: the medal slot, the bet button, the lever
// and the three stop buttons 79 pixels apart.
#include "presentation/play_controls_layout.h"

const PlayControlPlace kPlayControlPlaces[kPlayControlCount] = {
    {ControlMedalIn, 342, 300, 72, 38, 201, 40, 12},
    {ControlBetButton, 359, 378, 46, 32, 204, 24, 16},
    {ControlStartLever, 48, 371, 34, 42, 202, 17, 17},
    {ControlStop1, 138, 374, 24, 24, 204, 12, 12},
    {ControlStop2, 217, 374, 24, 24, 204, 12, 12},
    {ControlStop3, 296, 374, 24, 24, 204, 12, 12},
};

const PlayControlPlace* PlayControlPlaceOf(int control) {
  int i = control - ControlMedalIn;
  return i >= 0 && i < kPlayControlCount ? &kPlayControlPlaces[i] : nullptr;
}

bool NextCursorTarget(const MachineRecord& m, CursorTarget& out) {
  const PlayControlPlace* place = PlayControlPlaceOf(ChooseNextControl(m));
  if (place == nullptr) return false;
  out = {place->control, place->targetX, place->targetY};
  return true;
}
