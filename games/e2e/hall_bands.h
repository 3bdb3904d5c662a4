// The hall machines' sign bands as the hall view shows them, read back against the looks of the
// game's hall strips: the look of one slot's band, a band that flashes, a band that settles.
#pragma once

#include <windows.h>

#include "games/e2e/face_check.h"

// The look of the band of hall slot 0..2 (the cursor's machine in slot 1) in a picture of the
// hall window; -1 when it shows none of them.
int HallBandLook(const FaceReference& ref, const Picture& hall, int slot);
// Both looks of a flashing band are seen within the time.
bool HallBandFlashes(const FaceReference& ref, HWND hall, int slot, int dark, int bright, int ms);
// The band shows `look` within the time; `seen` gets the look it showed last.
bool HallBandShows(const FaceReference& ref, HWND hall, int slot, int look, int ms, int* seen);
