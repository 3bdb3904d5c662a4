// The machine face's drawing below the play window's paint and tick: the changed-part redraw
// and the eight part routines, each drawing one part of the machine into a context.
#pragma once

#include <windows.h>

#include "machine/machine_record.h"

// The parts the machine flagged, plus the blinking ones on this tick, drawn straight into the
// window; then the flags are cleared.
void RedrawChangedParts(MachineRecord& m, HWND playWindow);

void DrawReels(HDC destination, const MachineRecord& m);
void DrawStopLamps(HDC destination, const MachineRecord& m);
void DrawLineLamps(HDC destination, const MachineRecord& m);
void DrawMedalLamp(HDC destination, const MachineRecord& m);
void DrawBonusLamps(HDC destination, const MachineRecord& m);
void DrawBigChanceLamp(HDC destination, const MachineRecord& m);
void DrawDigits(HDC destination, const MachineRecord& m);
void DrawWaitLamp(HDC destination, const MachineRecord& m);

// The machine of the current player slot, or null.
MachineRecord* CurrentMachine();
