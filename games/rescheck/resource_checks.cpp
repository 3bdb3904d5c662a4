// The checks themselves. Formats are read byte by byte from the raw resources (so a wrong
// header cannot hide behind a lenient loader), then loaded through the system as the game
// will load them.
#include "games/rescheck/resource_checks.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "games/rescheck/check_log.h"
#include "hall/string_table.h"
#include "presentation/game_description.h"

namespace {

struct Blob {
  const uint8_t* data = nullptr;
  DWORD size = 0;
};

Blob FindBlob(int id, const wchar_t* type) {
  Blob blob;
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
  if (!found) return blob;
  HGLOBAL loaded = LoadResource(nullptr, found);
  if (!loaded) return blob;
  blob.data = static_cast<const uint8_t*>(LockResource(loaded));
  blob.size = SizeofResource(nullptr, found);
  return blob;
}

uint32_t U16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t U32(const uint8_t* p) { return U16(p) | U16(p + 2) << 16; }

std::wstring Wide(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring out(size_t(n > 0 ? n - 1 : 0), L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
  return out;
}

std::string Utf8(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &out[0], n, nullptr, nullptr);
  return out;
}

// Control characters shown as \xNN so a failure message stays readable.
std::string Visible(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      out += escaped;
    } else {
      out += char(c);
    }
  }
  return out;
}

// The game table written out from its definition: levels 0, 128, 192, 255; blue groups at
// 0, 16, 224 and 240; red varying fastest; everything else black.
void ExpectedGameTable(uint8_t rgb[256][3]) {
  static const uint8_t kLevels[4] = {0, 128, 192, 255};
  static const int kGroups[4] = {0, 16, 224, 240};
  std::memset(rgb, 0, 256 * 3);
  for (int b = 0; b < 4; ++b) {
    for (int i = 0; i < 16; ++i) {
      uint8_t* e = rgb[kGroups[b] + i];
      e[0] = kLevels[i % 4];
      e[1] = kLevels[i / 4];
      e[2] = kLevels[b];
    }
  }
}

// The header fields every DIBITMAP shares; returns false (after reporting) when the
// picture cannot be examined further.
bool CheckDibHeader(int id, const Blob& blob, int width, int height) {
  if (!Check(blob.data != nullptr, "DIBITMAP %d: missing", id)) return false;
  if (!Check(blob.size >= 1078, "DIBITMAP %d: only %lu bytes", id, blob.size)) return false;
  const uint8_t* p = blob.data;
  bool ok = Check(p[0] == 'B' && p[1] == 'M', "DIBITMAP %d: no BM signature", id);
  ok &= Check(U32(p + 2) == blob.size, "DIBITMAP %d: file size field %u, resource %lu", id,
              U32(p + 2), blob.size);
  ok &= Check(U32(p + 14) == 40, "DIBITMAP %d: biSize %u", id, U32(p + 14));
  ok &= Check(int32_t(U32(p + 18)) == width && int32_t(U32(p + 22)) == height,
              "DIBITMAP %d: %d x %d, expected %d x %d (positive height: bottom-up)", id,
              int32_t(U32(p + 18)), int32_t(U32(p + 22)), width, height);
  ok &= Check(U16(p + 26) == 1 && U16(p + 28) == 8, "DIBITMAP %d: planes %u, %u bits", id,
              U16(p + 26), U16(p + 28));
  ok &= Check(U32(p + 30) == 0, "DIBITMAP %d: compression %u", id, U32(p + 30));
  ok &= Check(U32(p + 46) == 0, "DIBITMAP %d: biClrUsed %u", id, U32(p + 46));
  const uint32_t stride = uint32_t(width + 3) / 4 * 4;
  ok &= Check(blob.size == 1078 + stride * uint32_t(height),
              "DIBITMAP %d: %lu bytes, expected %u", id, blob.size, 1078 + stride * height);
  return ok;
}

}  // namespace

void CheckPaletteBitmap(int id) {
  const Blob blob = FindBlob(id, L"DIBITMAP");
  if (!blob.data || blob.size < 1078) return;  // CheckBitmap reports it
  uint8_t rgb[256][3];
  ExpectedGameTable(rgb);
  int wrong = 0;
  int first = -1;
  for (int i = 0; i < 256; ++i) {
    const uint8_t* q = blob.data + 54 + 4 * i;
    if (q[2] != rgb[i][0] || q[1] != rgb[i][1] || q[0] != rgb[i][2] || q[3] != 0) {
      if (first < 0) first = i;
      ++wrong;
    }
  }
  Check(wrong == 0, "DIBITMAP %d: %d colour-table entries differ from the game table (first %d)",
        id, wrong, first);
}

void CheckBitmap(const BitmapExpect& expect) {
  const Blob blob = FindBlob(expect.id, L"DIBITMAP");
  if (!CheckDibHeader(expect.id, blob, expect.width, expect.height)) return;
  const Blob palette = FindBlob(500, L"DIBITMAP");
  if (!expect.ownTable && palette.data && palette.size >= 1078) {
    Check(std::memcmp(blob.data + 54, palette.data + 54, 1024) == 0,
          "DIBITMAP %d: colour table differs from bitmap 500's", expect.id);
  }
  // The loader creates a DIB section from the same bytes the game uses.
  HDC screen = GetDC(nullptr);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(blob.data + 14),
                                     DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  Check(section != nullptr, "DIBITMAP %d: CreateDIBSection refused its header", expect.id);
  if (section) DeleteObject(section);

  if (expect.spriteLookHeight <= 0) return;
  const int stride = (expect.width + 3) / 4 * 4;
  const uint8_t* pixels = blob.data + 1078;
  const int looks = expect.height / expect.spriteLookHeight;
  long opaque = 0;
  for (int look = 0; look < looks; ++look) {
    long key = 0;
    for (int y = look * expect.spriteLookHeight; y < (look + 1) * expect.spriteLookHeight; ++y) {
      const uint8_t* row = pixels + size_t(expect.height - 1 - y) * size_t(stride);
      for (int x = 0; x < expect.width; ++x) {
        if (row[x] == 20) {
          ++key;
        } else {
          ++opaque;
        }
      }
    }
    Check(key > 0, "DIBITMAP %d: look %d has no pixel of the key colour (index 20)", expect.id,
          look);
  }
  Check(opaque > 0, "DIBITMAP %d: the sprite is all key colour", expect.id);
}

void CheckStrings(int game) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  for (int i = 0; i < kStringTableIdCount; ++i) {
    const int id = kStringTableIds[i];
    wchar_t buffer[512] = {};
    const int length = LoadStringW(self, UINT(id), buffer, 512);
    const std::wstring want = Wide(GameText(game, id));
    Check(length == int(want.size()) && want == buffer,
          "string %d: \"%s\", expected \"%s\"", id, Visible(Utf8(buffer)).c_str(),
          Visible(Utf8(want)).c_str());
  }
  wchar_t buffer[16] = {};
  Check(LoadStringW(self, 6, buffer, 16) == 0, "string 6: present, the table has no entry 6");
}

namespace {

void WalkMenu(HMENU menu, int depth, std::vector<MenuItemExpect>* found,
              std::vector<std::string>* texts) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
    texts->push_back(Utf8(text));
    int id = int(info.wID);
    if (info.fType & MFT_SEPARATOR) id = kSeparator;
    if (info.hSubMenu) id = kPopup;
    found->push_back(MenuItemExpect{depth, nullptr, id});
    if (info.hSubMenu) WalkMenu(info.hSubMenu, depth + 1, found, texts);
  }
}

}  // namespace

void CheckMenu(int id, const MenuItemExpect* items, int count) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
  if (!Check(menu != nullptr, "menu %d: missing", id)) return;
  std::vector<MenuItemExpect> found;
  std::vector<std::string> texts;
  WalkMenu(menu, 0, &found, &texts);
  DestroyMenu(menu);
  Check(int(found.size()) == count, "menu %d: %d items, expected %d", id, int(found.size()),
        count);
  for (int i = 0; i < count && i < int(found.size()); ++i) {
    const MenuItemExpect& want = items[i];
    const bool textOk = want.id == kSeparator || texts[size_t(i)] == want.text;
    Check(found[size_t(i)].depth == want.depth && found[size_t(i)].id == want.id && textOk,
          "menu %d item %d: depth %d id %d \"%s\", expected depth %d id %d \"%s\"", id, i,
          found[size_t(i)].depth, found[size_t(i)].id, Visible(texts[size_t(i)]).c_str(),
          want.depth, want.id, want.id == kSeparator ? "" : Visible(want.text).c_str());
  }
}

namespace {

// Reads a name-or-ordinal field of a dialog template; returns the text (empty for an
// ordinal) and advances p.
std::wstring ReadSzOrOrd(const uint8_t** p) {
  std::wstring text;
  if (U16(*p) == 0xFFFF) {
    *p += 4;
    return text;
  }
  while (U16(*p) != 0) {
    text += wchar_t(U16(*p));
    *p += 2;
  }
  *p += 2;
  return text;
}

struct DialogTemplate {
  bool extended = false;
  uint32_t style = 0;
  int width = 0;
  int height = 0;
  std::wstring caption;
  int pointSize = 0;
  std::wstring font;
  std::vector<int> ids;
};

bool ParseDialog(const Blob& blob, DialogTemplate* out) {
  const uint8_t* p = blob.data;
  if (U16(p) != 1 || U16(p + 2) != 0xFFFF) return false;
  out->extended = true;
  out->style = U32(p + 12);
  const int items = int(U16(p + 16));
  out->width = int(int16_t(U16(p + 22)));
  out->height = int(int16_t(U16(p + 24)));
  p += 26;
  ReadSzOrOrd(&p);  // menu
  ReadSzOrOrd(&p);  // class
  out->caption = ReadSzOrOrd(&p);
  if (out->style & DS_SETFONT) {
    out->pointSize = int(U16(p));
    p += 6;
    out->font = ReadSzOrOrd(&p);
  }
  for (int i = 0; i < items; ++i) {
    p = blob.data + ((p - blob.data + 3) & ~3);
    if (p + 24 > blob.data + blob.size) return false;
    out->ids.push_back(int32_t(U32(p + 20)));
    p += 24;
    ReadSzOrOrd(&p);  // class
    ReadSzOrOrd(&p);  // title
    p += 2 + U16(p);  // creation data
  }
  return true;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

void CheckDialog(const DialogExpect& expect, const char* gameTitle) {
  const Blob blob = FindBlob(expect.id, MAKEINTRESOURCEW(5));  // RT_DIALOG
  if (!Check(blob.data != nullptr, "dialog %d: missing", expect.id)) return;
  DialogTemplate dialog;
  if (!Check(ParseDialog(blob, &dialog), "dialog %d: not an extended template", expect.id)) {
    return;
  }
  const std::string caption = Utf8(dialog.caption);
  const char* wantCaption = expect.caption ? expect.caption : gameTitle;
  Check(caption == wantCaption, "dialog %d: caption \"%s\", expected \"%s\"", expect.id,
        caption.c_str(), wantCaption);
  Check(Utf8(dialog.font) == "ＭＳ Ｐゴシック" && dialog.pointSize == expect.pointSize,
        "dialog %d: font \"%s\" %d pt, expected \"ＭＳ Ｐゴシック\" %d pt", expect.id,
        Utf8(dialog.font).c_str(), dialog.pointSize, expect.pointSize);
  std::vector<int> ids;
  for (int id : dialog.ids) {
    if (id != -1 && id != 0xFFFF) ids.push_back(id);
  }
  bool same = int(ids.size()) == expect.controlCount;
  for (int i = 0; same && i < expect.controlCount; ++i) same = ids[size_t(i)] == expect.controlIds[i];
  char list[512] = "";
  for (size_t i = 0, used = 0; i < ids.size() && used < sizeof list - 12; ++i) {
    used += size_t(std::snprintf(list + used, sizeof list - used, " %d", ids[i]));
  }
  Check(same, "dialog %d: control ids%s differ from the %d expected", expect.id, list,
        expect.controlCount);

  // The template must also make a working dialog with every control in place.
  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(expect.id),
                                   nullptr, QuietDialogProc, 0);
  if (!Check(window != nullptr, "dialog %d: CreateDialogParam failed (%lu)", expect.id,
             GetLastError())) {
    return;
  }
  for (int i = 0; i < expect.controlCount; ++i) {
    Check(GetDlgItem(window, expect.controlIds[i]) != nullptr, "dialog %d: no control %d",
          expect.id, expect.controlIds[i]);
  }
  DestroyWindow(window);
}

void CheckNoticeDialogStyle(int id) {
  const Blob blob = FindBlob(id, MAKEINTRESOURCEW(5));
  DialogTemplate dialog;
  if (!blob.data || !ParseDialog(blob, &dialog)) return;  // CheckDialog reports it
  const uint32_t want = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT;
  Check(dialog.style == want, "dialog %d: style %#lx, expected %#lx (hidden, no system menu)",
        id, static_cast<unsigned long>(dialog.style), static_cast<unsigned long>(want));
  Check(dialog.width == 142 && dialog.height == 38, "dialog %d: %d x %d units, expected 142 x 38",
        id, dialog.width, dialog.height);
}

void CheckCursor(int id, int hotX, int hotY) {
  const Blob group = FindBlob(id, MAKEINTRESOURCEW(12));  // RT_GROUP_CURSOR
  if (!Check(group.data != nullptr && group.size >= 20, "cursor %d: missing", id)) return;
  Check(U16(group.data + 2) == 2 && U16(group.data + 4) == 1,
        "cursor %d: type %u with %u pictures, expected one cursor picture", id,
        U16(group.data + 2), U16(group.data + 4));
  const uint8_t* entry = group.data + 6;
  Check(U16(entry) == 32 && U16(entry + 2) == 64 && U16(entry + 6) == 1,
        "cursor %d: %u x %u (mask doubled) at %u bits, expected 32 x 64 at 1 bit", id,
        U16(entry), U16(entry + 2), U16(entry + 6));
  const Blob picture = FindBlob(int(U16(entry + 12)), MAKEINTRESOURCEW(1));  // RT_CURSOR
  if (!Check(picture.data != nullptr && picture.size >= 44, "cursor %d: picture missing", id)) {
    return;
  }
  Check(int(U16(picture.data)) == hotX && int(U16(picture.data + 2)) == hotY,
        "cursor %d: hot spot (%u, %u), expected (%d, %d)", id, U16(picture.data),
        U16(picture.data + 2), hotX, hotY);
  const uint8_t* header = picture.data + 4;
  Check(U32(header + 4) == 32 && U32(header + 8) == 64 && U16(header + 14) == 1,
        "cursor %d: bitmap %u x %u at %u bits", id, U32(header + 4), U32(header + 8),
        U16(header + 14));
  HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
  if (!Check(cursor != nullptr, "cursor %d: LoadCursor failed", id)) return;
  ICONINFO info = {};
  if (Check(GetIconInfo(cursor, &info) != FALSE, "cursor %d: GetIconInfo failed", id)) {
    Check(int(info.xHotspot) == hotX && int(info.yHotspot) == hotY,
          "cursor %d: loaded hot spot (%lu, %lu)", id, info.xHotspot, info.yHotspot);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
}

void CheckIcon(int id) {
  const Blob group = FindBlob(id, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  if (!Check(group.data != nullptr && group.size >= 6, "icon %d: missing", id)) return;
  const int count = int(U16(group.data + 4));
  bool sizes[3] = {false, false, false};
  for (int i = 0; i < count; ++i) {
    const uint8_t* entry = group.data + 6 + 14 * i;
    if (entry + 14 > group.data + group.size) break;
    const int size = entry[0] == 0 ? 256 : entry[0];
    for (int k = 0; k < 3; ++k) sizes[k] |= size == 16 * (k + 1) && entry[1] == entry[0];
  }
  Check(sizes[0] && sizes[1] && sizes[2], "icon %d: lacks a 16, 32 or 48 pixel picture", id);
  for (int size = 16; size <= 48; size += 16) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size,
                             size, 0);
    Check(icon != nullptr, "icon %d: LoadImage at %d pixels failed", id, size);
    if (icon) DestroyIcon(static_cast<HICON>(icon));
  }
}

void CheckHelpAccelerator(int id) {
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
  if (!Check(table != nullptr, "accelerator %d: missing", id)) return;
  ACCEL entries[4] = {};
  const int count = CopyAcceleratorTableW(table, entries, 4);
  Check(count == 1, "accelerator %d: %d entries, expected 1", id, count);
  if (count >= 1) {
    Check((entries[0].fVirt & 0x7F) == (FVIRTKEY | FNOINVERT) && entries[0].key == VK_F1 &&
              entries[0].cmd == 40000,
          "accelerator %d: flags %#x key %u command %u, expected virtual F1 without inversion "
          "sending 40000",
          id, entries[0].fVirt, entries[0].key, entries[0].cmd);
  }
  DestroyAcceleratorTable(table);
}

void CheckWave(int id, double seconds) {
  const Blob blob = FindBlob(id, L"WAVE");
  if (!Check(blob.data != nullptr && blob.size >= 44, "WAVE %d: missing", id)) return;
  const uint8_t* p = blob.data;
  if (!Check(std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "WAVE", 4) == 0,
             "WAVE %d: not a RIFF WAVE file", id)) {
    return;
  }
  Check(U32(p + 4) + 8 == blob.size, "WAVE %d: RIFF size %u for a %lu byte resource", id,
        U32(p + 4), blob.size);
  bool format = false;
  uint32_t dataBytes = 0;
  bool data = false;
  for (DWORD at = 12; at + 8 <= blob.size;) {
    const uint32_t size = U32(p + at + 4);
    if (std::memcmp(p + at, "fmt ", 4) == 0 && size >= 16) {
      const uint8_t* f = p + at + 8;
      format = Check(U16(f) == 1 && U16(f + 2) == 1 && U32(f + 4) == 11025 &&
                         U32(f + 8) == 11025 && U16(f + 12) == 1 && U16(f + 14) == 8,
                     "WAVE %d: format %u, %u channels, %u Hz, %u bits; expected 8-bit mono "
                     "11025 Hz PCM",
                     id, U16(f), U16(f + 2), U32(f + 4), U16(f + 14));
    } else if (std::memcmp(p + at, "data", 4) == 0) {
      data = true;
      dataBytes = size;
    }
    at += 8 + size + (size & 1);
  }
  Check(format && data, "WAVE %d: fmt or data chunk missing", id);
  const double length = dataBytes / 11025.0;
  if (seconds > 0) {
    Check(length >= seconds * 0.8 - 0.02 && length <= seconds * 1.2 + 0.02,
          "WAVE %d: %.3f s, expected about %.2f s", id, length, seconds);
  } else {
    Check(length >= 0.03 && length <= 5.0, "WAVE %d: %.3f s, not a length for a sound of the game",
          id, length);
  }
}

void CheckNoOtherWaves(const int* ids, int count) {
  for (int id = 701; id <= 710; ++id) {
    bool listed = false;
    for (int i = 0; i < count; ++i) listed = listed || ids[i] == id;
    if (listed) continue;
    Check(FindBlob(id, L"WAVE").data == nullptr, "WAVE %d: the game has a sound it never plays", id);
  }
}

BitmapExpect GameBitmapExpect(const GameDescription& game, const BitmapSpec& bitmap) {
  (void)game;
  return {bitmap.id, bitmap.width, bitmap.height, bitmap.ownTable, bitmap.spriteLookHeight};
}
