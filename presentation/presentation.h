// Everything the window layer asks of the drawing and sound code: the surfaces and palette,
// the paints and ticks of the title, hall, info panel and machine face, the faces of the info
// panel's controls, the play controls, and sound. Windows only.
#pragma once

#include <windows.h>

#include "presentation/sound_dispatch.h"  // WaveMode

struct MachineRecord;

// Surfaces and palette. CreateAllSurfaces returns 1 (0 fails the main window's creation);
// FreeAllSurfaces may run twice.
int CreateAllSurfaces(HWND mainWindow);
void FreeAllSurfaces();
int RealizeGamePalette(HWND window);  // WM_QUERYNEWPALETTE / WM_PALETTECHANGED of the main window
HPALETTE GamePaletteHandle();

// Screens. Paint functions run inside WM_PAINT (they call BeginPaint/EndPaint themselves);
// tick functions run inside the tick for the screen of the current slot.
void PaintTitleWindow(HWND titleWindow);
void TitleWindowTick(HWND titleWindow);
void PaintHallWindow(HWND hallWindow);
void HallWindowTick(HWND hallWindow);
void PaintInfoPanel(HWND infoPanel);
void InfoPanelTick(HWND infoPanel);
void PaintPlayWindow(HWND playWindow);   // the current slot's machine
void PlayWindowTick(HWND playWindow);    // lamps, reels, digits and the machine's sounds

// Faces of the info panel's controls, drawn into the given context (palette already handled
// by the caller for owner-drawn buttons). Button ids 7..17 as the panel numbers them.
void DrawPanelButtonFace(HDC dc, int buttonId, bool pressed);
void DrawDayNightFace(HDC dc, int shop);        // MiseBtn: 0 day lit, 1 night lit
void DrawPlayModeFace(HDC dc, int autoPlay);    // PlayBtn: 0 manual, 1 automatic
void DrawStopOrderFace(HDC dc, int stopOrder);  // TurnBtn: 0 for 1-2-3, 1 for 1-3-2
void DrawPageTabFace(HDC dc, int page);         // Tab: 0 game buttons, 1 play options

// Play controls: registers their classes and creates MedalIn, BetBtn, StartLvr and the three
// StopBtn in the play window; installs automatic play's press port. Returns 1, 0 on failure.
int CreatePlayControls(HWND playWindow);
HWND PlayControlWindow(int controlIndex);  // 20..25, null for any other index
// Moves the mouse cursor onto the control the machine expects to be pressed next.
void CursorToNextControl(const MachineRecord& m);

// Sound.
int CheckSoundDevice();               // 1 when wave output device 0 exists
void PlayWave(int waveId, int mode);  // nothing without a sound device
