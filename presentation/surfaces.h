// The game's pictures in memory: the palette, the four memory contexts, every surface and
// sprite built at start-up, and the small copy routines all drawing goes through. Windows only.
#pragma once

#include <windows.h>

// One 8-bit picture (a DIB section); pixels are reached only through device contexts.
struct Surface {
  HBITMAP bitmap;
  int width;
  int height;
};

// A picture drawn with transparency: the image with its transparent pixels black, and a mask
// white where transparent and black where opaque.
struct MaskedSprite {
  HBITMAP image;
  HBITMAP mask;
  int width;
  int height;
};

extern HPALETTE GamePalette;
extern BYTE WhiteIndex, BlackIndex, KeyIndex;
extern HDC PanelDC, ScreenDC, HallDC, ScratchDC;
extern HPEN PayLinePen;
extern HPEN BoardFramePens[4];  // by BoardFrame; [0] unused

// Composition surfaces.
extern Surface PanelSurface, ScreenSurface, HallSurface;
// Pictures used as loaded.
extern Surface PanelPicture, TitlePicture, FacePicture, LargeDigits, SmallDigits, DayNames,
    SmallDayNames, ButtonFaces, SelectorFaces, IslandEnds, WallAndFloor, HallMachine, HallPieces;
// Looks composed for the panel and the hall.
extern Surface PlayerTabLooks, CounterBoardLooks, PageTabLooks, MachinePlateLooks,
    OccupancyLampLooks;
extern MaskedSprite EmptyStool, SeatedStool, FloorBox, ShelfBoxes;
// The look strips of the game's description: the face's (reels, controls, lamps, digits) and
// those of the machine as the hall shows it, by their index in the description.
extern Surface FaceStrips[];
extern Surface HallStrips[];

// Building blocks.
HPALETTE CreateGamePalette(HINSTANCE instance, int resourceId);
Surface CreateBlankSurface(HDC reference, int width, int height, HPALETTE palette);
Surface LoadBitmapSurface(HINSTANCE instance, int resourceId);
MaskedSprite LoadMaskedSprite(HINSTANCE instance, int resourceId);
int DrawMaskedSprite(HDC destination, int x, int y, int width, int height, HDC scratch,
                     int sourceX, int sourceY, const MaskedSprite& sprite);
void FreeSurface(Surface& surface);

// A picture needed only while looks are cut from it at start-up; freed when it goes out of scope.
struct SourcePicture {
  Surface surface;
  SourcePicture(HINSTANCE instance, int id) : surface(LoadBitmapSurface(instance, id)) {}
  ~SourcePicture() { FreeSurface(surface); }
  SourcePicture(const SourcePicture&) = delete;
  SourcePicture& operator=(const SourcePicture&) = delete;
  bool ok() const { return surface.bitmap != nullptr; }
};
void FreeMaskedSprite(MaskedSprite& sprite);

// One rectangle of a surface onto a context, through ScratchDC (selected and restored here).
void CopyFromSurface(HDC destination, int x, int y, int width, int height, const Surface& source,
                     int sourceX, int sourceY, DWORD rop = SRCCOPY);

// The palette discipline of every paint: the game palette selected as a foreground palette and
// realised; the previous one goes back afterwards.
HPALETTE SelectGamePalette(HDC dc);
void RestorePalette(HDC dc, HPALETTE previous);

// Composing a part surface at start-up: a blank surface of the part's size, selected into
// HallDC while the pieces are copied in; false when it could not be made.
bool BeginPart(Surface& part, int width, int height);
void EndPart();

// The composition steps, in the order start-up runs them.
bool BuildPanelParts(HINSTANCE instance);      // player tabs, counter board, page tabs
bool BuildBoardParts(HINSTANCE instance);      // machine plates and occupancy lamps
bool BuildHallLampParts(HINSTANCE instance);   // the hall machine's lamps
bool BuildFaceParts(HINSTANCE instance);       // reels, controls, lamps, digits, shade
