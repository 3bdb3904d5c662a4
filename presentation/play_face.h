// The machine face's drawing below the play window's paint and tick: the changed-part redraw
// that walks the game's part table.
#pragma once

#include <windows.h>

#include "machine/machine_record.h"

// The parts the machine flagged, plus the blinking ones on this tick, drawn straight into the
// window; then the flags are cleared.
void RedrawChangedParts(MachineRecord& m, HWND playWindow);

// The whole face of the machine composed on the screen surface, as a full paint shows it (the
// bare face when there is no machine).
void ComposeFace(const MachineRecord* m);

// The machine of the current player slot, or null.
MachineRecord* CurrentMachine();
