// The palette, the memory contexts and every surface of the game: loading the DIBITMAP
// resources, masked sprites, building everything once at start-up and freeing it at the end.
#include "games/common/resource_ids.h"
#include "presentation/surfaces.h"

#include <cstring>
#include <initializer_list>

#include "presentation/game_description.h"
#include "presentation/presentation.h"

HPALETTE GamePalette = nullptr;
BYTE WhiteIndex = 255, BlackIndex = 0, KeyIndex = 20;
HDC PanelDC = nullptr, ScreenDC = nullptr, HallDC = nullptr, ScratchDC = nullptr;
HPEN PayLinePen = nullptr;
HPEN BoardFramePens[4] = {nullptr, nullptr, nullptr, nullptr};

Surface PanelSurface, ScreenSurface, HallSurface;
Surface PanelPicture, TitlePicture, FacePicture, LargeDigits, SmallDigits, DayNames,
    SmallDayNames, ButtonFaces, SelectorFaces, IslandEnds, WallAndFloor, HallMachine, HallPieces;
Surface PlayerTabLooks, CounterBoardLooks, PageTabLooks, MachinePlateLooks, OccupancyLampLooks;
MaskedSprite EmptyStool, SeatedStool, FloorBox, ShelfBoxes;
Surface FaceStrips[kMaxFaceStrips];
Surface HallStrips[kMaxHallStrips];

namespace {

// Every surface, so that freeing misses none.
Surface* const kAllSurfaces[] = {
    &PanelSurface,      &ScreenSurface,     &HallSurface,        &PanelPicture,
    &TitlePicture,      &FacePicture,       &LargeDigits,        &SmallDigits,
    &DayNames,          &SmallDayNames,     &ButtonFaces,        &SelectorFaces,
    &IslandEnds,        &WallAndFloor,      &HallMachine,        &HallPieces,
    &PlayerTabLooks,    &CounterBoardLooks, &PageTabLooks,       &MachinePlateLooks,
    &OccupancyLampLooks,
};
MaskedSprite* const kAllSprites[] = {&EmptyStool, &SeatedStool, &FloorBox, &ShelfBoxes};

// What each memory context held before the game selected its own objects into it.
HGDIOBJ savedPanelBitmap = nullptr, savedScreenBitmap = nullptr, savedHallBitmap = nullptr;
HGDIOBJ savedScreenPen = nullptr;
HDC referenceDC = nullptr;  // the main window's context while start-up builds

// A DIB header with room for a full colour table, kept aligned (the resource's own header sits
// 14 bytes into the file, which is not).
struct DibHeader {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

int ColourCount(const BITMAPINFOHEADER& h) {
  if (h.biClrUsed != 0) return static_cast<int>(h.biClrUsed);
  switch (h.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

int Stride(const BITMAPINFOHEADER& h) { return ((h.biBitCount * h.biWidth + 31) / 32) * 4; }

// The resource as a packed DIB: header and table copied out, pixels left in place. False when
// the resource is missing or too short for what its header claims.
struct DibResource {
  DibHeader info;
  const BYTE* pixels;
  int width, height;
};

bool FindDib(HINSTANCE instance, int resourceId, DibResource& out) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), L"DIBITMAP");
  if (found == nullptr) return false;
  DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const BYTE* file = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (file == nullptr || size < 14 + sizeof(BITMAPINFOHEADER)) return false;
  std::memset(&out.info, 0, sizeof out.info);
  std::memcpy(&out.info.header, file + 14, sizeof(BITMAPINFOHEADER));
  const BITMAPINFOHEADER& h = out.info.header;
  int colours = ColourCount(h);
  if (h.biSize < sizeof(BITMAPINFOHEADER) || colours < 0 || colours > 256 || h.biWidth <= 0 ||
      h.biHeight == 0 || h.biCompression != BI_RGB) {
    return false;
  }
  DWORD tableAt = 14 + h.biSize;
  DWORD pixelsAt = tableAt + 4 * colours;
  int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  if (pixelsAt > size || static_cast<DWORD>(Stride(h)) * height > size - pixelsAt) return false;
  std::memcpy(out.info.colours, file + tableAt, 4 * colours);
  out.pixels = file + pixelsAt;
  out.width = h.biWidth;
  out.height = height;
  return true;
}

// A DIB section made from the resource's header and table, with the resource's pixels copied
// in one to one.
HBITMAP DibSectionOf(const DibResource& dib, BYTE** bits) {
  HDC temporary = CreateCompatibleDC(nullptr);
  void* memory = nullptr;
  const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(&dib.info);
  HBITMAP bitmap = CreateDIBSection(temporary, info, DIB_RGB_COLORS, &memory, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(temporary, bitmap);
    StretchDIBits(temporary, 0, 0, dib.width, dib.height, 0, 0, dib.width, dib.height,
                  dib.pixels, info, DIB_RGB_COLORS, SRCCOPY);
    SelectObject(temporary, previous);
    GdiFlush();
  }
  DeleteDC(temporary);
  if (bits != nullptr) *bits = static_cast<BYTE*>(memory);
  return bitmap;
}

bool Made(const Surface& s) { return s.bitmap != nullptr; }
bool Made(const MaskedSprite& s) { return s.image != nullptr && s.mask != nullptr; }

bool Load(HINSTANCE instance, int id, Surface& out) {
  out = LoadBitmapSurface(instance, id);
  return Made(out);
}

bool LoadSprite(HINSTANCE instance, int id, MaskedSprite& out) {
  out = LoadMaskedSprite(instance, id);
  return Made(out);
}

void CopyFace(const Surface& face, HDC scratch) {
  HGDIOBJ previous = SelectObject(scratch, face.bitmap);
  BitBlt(ScreenDC, 0, 0, face.width, face.height, scratch, 0, 0, SRCCOPY);
  SelectObject(scratch, previous);
}

// Everything from the contexts to the machine parts; false at the first thing that fails.
bool BuildAll(HWND mainWindow) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(mainWindow, GWLP_HINSTANCE));
  PanelDC = CreateCompatibleDC(referenceDC);
  ScreenDC = CreateCompatibleDC(referenceDC);
  HallDC = CreateCompatibleDC(referenceDC);
  ScratchDC = CreateCompatibleDC(referenceDC);
  if (!PanelDC || !ScreenDC || !HallDC || !ScratchDC) return false;

  GamePalette = CreateGamePalette(instance, IDB_PANEL);
  if (GamePalette == nullptr) return false;

  PanelSurface = CreateBlankSurface(referenceDC, 128, 432, GamePalette);
  ScreenSurface = CreateBlankSurface(referenceDC, 480, 432, GamePalette);
  HallSurface = CreateBlankSurface(referenceDC, 672, 432, GamePalette);
  if (!Made(PanelSurface) || !Made(ScreenSurface) || !Made(HallSurface)) return false;

  if (!Load(instance, IDB_PANEL, PanelPicture) || !Load(instance, IDB_TITLE, TitlePicture) ||
      !Load(instance, IDB_FACE, FacePicture)) {
    return false;
  }

  savedPanelBitmap = SelectObject(PanelDC, PanelSurface.bitmap);
  savedHallBitmap = SelectObject(HallDC, HallSurface.bitmap);
  savedScreenBitmap = SelectObject(ScreenDC, ScreenSurface.bitmap);

  PayLinePen = CreatePen(PS_SOLID, 1, RGB(128, 128, 0));
  // The machine board's frames are drawn on every slow panel tick: their pens are made here.
  BoardFramePens[1] = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
  BoardFramePens[2] = CreatePen(PS_SOLID, 2, RGB(255, 255, 0));
  BoardFramePens[3] = CreatePen(PS_SOLID, 2, RGB(0, 255, 255));
  if (!PayLinePen || !BoardFramePens[1] || !BoardFramePens[2] || !BoardFramePens[3]) return false;
  savedScreenPen = SelectObject(ScreenDC, PayLinePen);

  // Every part that samples the machine face samples this copy.
  CopyFace(FacePicture, ScratchDC);

  if (!BuildPanelParts(instance)) return false;
  if (!Load(instance, IDB_PANEL_BUTTONS, ButtonFaces) || !Load(instance, IDB_SELECTORS, SelectorFaces)) return false;
  if (!BuildBoardParts(instance)) return false;
  if (!Load(instance, IDB_LARGE_DIGITS, LargeDigits) || !Load(instance, IDB_SMALL_DIGITS, SmallDigits) ||
      !Load(instance, IDB_DAY_NAMES, DayNames) || !Load(instance, IDB_SMALL_DAY_NAMES, SmallDayNames) ||
      !Load(instance, IDB_WALL_AND_FLOOR, WallAndFloor) || !Load(instance, IDB_HALL_MACHINE, HallMachine) ||
      !Load(instance, IDB_HALL_PIECES, HallPieces)) {
    return false;
  }
  if (!BuildHallLampParts(instance)) return false;
  if (!Load(instance, IDB_ISLAND_ENDS, IslandEnds)) return false;
  if (!LoadSprite(instance, IDB_EMPTY_STOOL, EmptyStool) || !LoadSprite(instance, IDB_SEATED_STOOL, SeatedStool) ||
      !LoadSprite(instance, IDB_FLOOR_BOX, FloorBox) || !LoadSprite(instance, IDB_SHELF_BOXES, ShelfBoxes)) {
    return false;
  }
  if (!BuildFaceParts(instance)) return false;
  SelectObject(HallDC, HallSurface.bitmap);
  return true;
}

}  // namespace

HPALETTE CreateGamePalette(HINSTANCE instance, int resourceId) {
  DibResource dib;
  if (!FindDib(instance, resourceId, dib)) return nullptr;
  int colours = ColourCount(dib.info.header);
  if (colours == 0) return nullptr;
  struct {
    WORD version;
    WORD count;
    PALETTEENTRY entries[256];
  } logical;
  logical.version = 0x300;
  logical.count = static_cast<WORD>(colours);
  for (int i = 0; i < colours; ++i) {
    logical.entries[i].peRed = dib.info.colours[i].rgbRed;
    logical.entries[i].peGreen = dib.info.colours[i].rgbGreen;
    logical.entries[i].peBlue = dib.info.colours[i].rgbBlue;
    logical.entries[i].peFlags = 0;
  }
  HPALETTE palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));
  if (palette == nullptr) return nullptr;
  KeyIndex = static_cast<BYTE>(GetNearestPaletteIndex(palette, RGB(0, 128, 128)));
  WhiteIndex = static_cast<BYTE>(GetNearestPaletteIndex(palette, RGB(255, 255, 255)));
  BlackIndex = static_cast<BYTE>(GetNearestPaletteIndex(palette, RGB(0, 0, 0)));
  return palette;
}

Surface CreateBlankSurface(HDC reference, int width, int height, HPALETTE palette) {
  Surface s = {nullptr, width, height};
  DibHeader info;
  std::memset(&info, 0, sizeof info);
  int stride = ((8 * width + 31) / 32) * 4;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biSizeImage = static_cast<DWORD>(stride * height);
  info.header.biClrUsed = 256;
  PALETTEENTRY entries[256];
  std::memset(entries, 0, sizeof entries);
  GetPaletteEntries(palette, 0, 256, entries);
  for (int i = 0; i < 256; ++i) {
    info.colours[i].rgbRed = entries[i].peRed;
    info.colours[i].rgbGreen = entries[i].peGreen;
    info.colours[i].rgbBlue = entries[i].peBlue;
    info.colours[i].rgbReserved = 0;
  }
  void* bits = nullptr;
  s.bitmap = CreateDIBSection(reference, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                              &bits, nullptr, 0);
  if (s.bitmap != nullptr && bits != nullptr) std::memset(bits, 0, info.header.biSizeImage);
  return s;
}

Surface LoadBitmapSurface(HINSTANCE instance, int resourceId) {
  Surface s = {nullptr, 0, 0};
  DibResource dib;
  if (!FindDib(instance, resourceId, dib)) return s;
  s.bitmap = DibSectionOf(dib, nullptr);
  s.width = dib.width;
  s.height = dib.height;
  return s;
}

MaskedSprite LoadMaskedSprite(HINSTANCE instance, int resourceId) {
  MaskedSprite sprite = {nullptr, nullptr, 0, 0};
  DibResource dib;
  if (!FindDib(instance, resourceId, dib) || dib.info.header.biBitCount != 8) return sprite;
  BYTE* image = nullptr;
  void* maskBits = nullptr;
  sprite.image = DibSectionOf(dib, &image);
  HDC temporary = CreateCompatibleDC(nullptr);
  sprite.mask = CreateDIBSection(temporary, reinterpret_cast<const BITMAPINFO*>(&dib.info),
                                 DIB_RGB_COLORS, &maskBits, nullptr, 0);
  DeleteDC(temporary);
  sprite.width = dib.width;
  sprite.height = dib.height;
  if (image == nullptr || maskBits == nullptr) {
    FreeMaskedSprite(sprite);
    return sprite;
  }
  // Whole rows, padding bytes included: the key colour becomes black in the image and white
  // in the mask, everything else stays and is black in the mask.
  BYTE* mask = static_cast<BYTE*>(maskBits);
  size_t bytes = static_cast<size_t>(Stride(dib.info.header)) * dib.height;
  for (size_t i = 0; i < bytes; ++i) {
    if (image[i] == KeyIndex) {
      image[i] = BlackIndex;
      mask[i] = WhiteIndex;
    } else {
      mask[i] = BlackIndex;
    }
  }
  return sprite;
}

int DrawMaskedSprite(HDC destination, int x, int y, int width, int height, HDC scratch,
                     int sourceX, int sourceY, const MaskedSprite& sprite) {
  HGDIOBJ previous = SelectObject(scratch, sprite.mask);
  BitBlt(destination, x, y, width, height, scratch, sourceX, sourceY, SRCAND);
  SelectObject(scratch, sprite.image);
  BitBlt(destination, x, y, width, height, scratch, sourceX, sourceY, SRCINVERT);
  SelectObject(scratch, previous);
  return 1;
}

void FreeSurface(Surface& surface) {
  if (surface.bitmap != nullptr) DeleteObject(surface.bitmap);
  surface.bitmap = nullptr;
}

void FreeMaskedSprite(MaskedSprite& sprite) {
  if (sprite.image != nullptr) DeleteObject(sprite.image);
  if (sprite.mask != nullptr) DeleteObject(sprite.mask);
  sprite.image = nullptr;
  sprite.mask = nullptr;
}

void CopyFromSurface(HDC destination, int x, int y, int width, int height, const Surface& source,
                     int sourceX, int sourceY, DWORD rop) {
  HGDIOBJ previous = SelectObject(ScratchDC, source.bitmap);
  BitBlt(destination, x, y, width, height, ScratchDC, sourceX, sourceY, rop);
  SelectObject(ScratchDC, previous);
}

HPALETTE SelectGamePalette(HDC dc) {
  HPALETTE previous = SelectPalette(dc, GamePalette, FALSE);
  RealizePalette(dc);
  return previous;
}

void RestorePalette(HDC dc, HPALETTE previous) {
  if (previous != nullptr) SelectPalette(dc, previous, FALSE);
}

bool BeginPart(Surface& part, int width, int height) {
  part = CreateBlankSurface(referenceDC, width, height, GamePalette);
  if (!Made(part)) return false;
  SelectObject(HallDC, part.bitmap);
  return true;
}

void EndPart() { SelectObject(HallDC, HallSurface.bitmap); }

int CreateAllSurfaces(HWND mainWindow) {
  referenceDC = GetDC(mainWindow);
  bool built = referenceDC != nullptr && BuildAll(mainWindow);
  if (referenceDC != nullptr) ReleaseDC(mainWindow, referenceDC);
  referenceDC = nullptr;
  if (!built) {
    // A missing or damaged picture: nothing half-built is left behind.
    FreeAllSurfaces();
    return 0;
  }
  return 1;
}

void FreeAllSurfaces() {
  if (ScreenDC != nullptr && savedScreenPen != nullptr) SelectObject(ScreenDC, savedScreenPen);
  savedScreenPen = nullptr;
  if (PayLinePen != nullptr) DeleteObject(PayLinePen);
  PayLinePen = nullptr;
  for (HPEN& pen : BoardFramePens) {
    if (pen != nullptr) DeleteObject(pen);
    pen = nullptr;
  }
  if (PanelDC != nullptr && savedPanelBitmap != nullptr) SelectObject(PanelDC, savedPanelBitmap);
  if (ScreenDC != nullptr && savedScreenBitmap != nullptr) SelectObject(ScreenDC, savedScreenBitmap);
  if (HallDC != nullptr && savedHallBitmap != nullptr) SelectObject(HallDC, savedHallBitmap);
  savedPanelBitmap = savedScreenBitmap = savedHallBitmap = nullptr;
  for (Surface* s : kAllSurfaces) FreeSurface(*s);
  for (Surface& s : FaceStrips) FreeSurface(s);
  for (Surface& s : HallStrips) FreeSurface(s);
  for (MaskedSprite* s : kAllSprites) FreeMaskedSprite(*s);
  for (HDC* dc : {&PanelDC, &ScreenDC, &HallDC, &ScratchDC}) {
    if (*dc != nullptr) DeleteDC(*dc);
    *dc = nullptr;
  }
  if (GamePalette != nullptr) DeleteObject(GamePalette);
  GamePalette = nullptr;
}

int RealizeGamePalette(HWND window) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return 0;
  HPALETTE previous = SelectPalette(dc, GamePalette, FALSE);
  UINT changed = RealizePalette(dc);
  SelectPalette(dc, previous, FALSE);
  ReleaseDC(window, dc);
  if (changed == GDI_ERROR) changed = 0;
  if (changed > 0) InvalidateRect(window, nullptr, TRUE);
  return static_cast<int>(changed);
}

HPALETTE GamePaletteHandle() { return GamePalette; }
