// Where the Orlido 2's six play controls stand on the face, which cursor each shows, and the
// point of a control the mouse cursor is moved to when the game expects it to be pressed next.
#pragma once

#include "machine/auto_operate.h"
#include "machine/machine_record.h"

struct PlayControlPlace {
  int control;           // ControlIndex 20..25, also the window's identifier
  int x, y, w, h;        // in the play window
  int cursorId;          // cursor resource
  int targetX, targetY;  // cursor target in the control's own coordinates
};
constexpr int kPlayControlCount = 6;
extern const PlayControlPlace kPlayControlPlaces[kPlayControlCount];

// The place of control n (20..25), or null.
const PlayControlPlace* PlayControlPlaceOf(int control);

// Where the cursor goes after a real mouse press: the control automatic play would press next
// and the point on it. False when that names no control.
struct CursorTarget {
  int control;
  int x, y;
};
bool NextCursorTarget(const MachineRecord& m, CursorTarget& out);
