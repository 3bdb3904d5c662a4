// The hall view's composition below the hall window's paint and tick: rows of machines, one
// slot of a row, the bonus lamps and one tick of the slide.
#pragma once

#include <windows.h>

// The current slot's row around its hall cursor: mode 0 the still view (three slots), modes 1
// and 2 the four slots a slide to a lower or a higher machine passes over.
void DrawHallRow(HDC dc, int mode);
// Machine m in slot k (0..3) of a row: wall and floor, island ends, the machine with the piece
// beside it, the stool, the medal boxes on the floor and on the shelf.
void DrawHallSlot(HDC dc, int m, int slot);
// Top lamps and bands of the three machines in view, straight into the window.
void DrawHallLamps(HDC dc);
// One tick of the slide in progress, into the window.
void HallSlideStep(HDC dc);
