// Where the game's six play controls stand on its face, which cursor each shows, and the point
// of a control the mouse cursor is moved to when the game expects it to be pressed next; all
// from the game's description.
#pragma once

#include "machine/auto_operate.h"
#include "machine/machine_record.h"

struct PlayControlPlace {
  int control;           // ControlIndex 20..25, also the window's identifier
  int x, y, w, h;        // in the play window
  int strip;             // the description's look strip, -1 for the medal slot (draws nothing)
  int cursorId;          // cursor resource
  int targetX, targetY;  // cursor target in the control's own coordinates
};
constexpr int kPlayControlCount = 6;

// The place of control n (20..25); false for any other n.
bool PlayControlPlaceOf(int control, PlayControlPlace& out);

// The look a drawn control shows: released (0) or pressed (1); a bet button with a lit pair of
// looks asks the game's rule, which lights it while credited medals wait.
int PlayControlLook(int control, const MachineRecord* m, bool held);

// Where the cursor goes after a real mouse press: the control automatic play would press next
// and the point on it. False when that names no control.
struct CursorTarget {
  int control;
  int x, y;
};
bool NextCursorTarget(const MachineRecord& m, CursorTarget& out);
