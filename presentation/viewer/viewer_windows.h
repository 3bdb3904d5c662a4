// The viewer's windows, laid out as the game lays out its own: the 608 x 432 main window with
// the three screens on the left and the info panel with its controls' faces on the right.
#pragma once

#include <windows.h>

extern HWND ViewerMain, ViewerInfo, ViewerTitle, ViewerHall, ViewerPlay;

// Creates every window (the play controls too); false when anything failed.
bool CreateViewerWindows(HINSTANCE instance);
// Shows the screen window of the current slot's screen, the panel controls of that screen,
// and repaints everything.
void ShowCurrentScreen();
// The tick the game runs: counters, the current screen, the hall and the panel.
void ViewerTick();
// Handles every message waiting, paints included.
void PumpMessages();
void DestroyViewerWindows();
