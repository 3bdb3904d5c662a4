// The play controls' places on the game's face, their looks and the cursor's next target.
#include "presentation/play_controls_layout.h"

#include "presentation/game_description.h"

bool PlayControlPlaceOf(int control, PlayControlPlace& out) {
  int i = control - ControlMedalIn;
  if (i < 0 || i >= kPlayControlCount) return false;
  const ControlSpec& c = ActiveGame().controls[i];
  out = {control, c.x, c.y, c.w, c.h, c.strip, c.cursor, c.targetX, c.targetY};
  return true;
}

int PlayControlLook(int control, const MachineRecord* m, bool held) {
  const GameDescription& g = ActiveGame();
  if (control == ControlBetButton && g.betLooks == 4 && g.betLook != nullptr && m != nullptr) {
    return g.betLook(*m, held ? 1 : 0);
  }
  return held ? 1 : 0;
}

bool NextCursorTarget(const MachineRecord& m, CursorTarget& out) {
  PlayControlPlace place;
  if (!PlayControlPlaceOf(ChooseNextControl(m), place)) return false;
  out = {place.control, place.targetX, place.targetY};
  return true;
}
