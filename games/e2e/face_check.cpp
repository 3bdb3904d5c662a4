// The Orlido 2's face as the player sees it, read back from the screen of the running game and
// compared with the game's own face bitmaps: which lamps are lit and what the displays show.
#include "games/e2e/face_check.h"

#include <cstdio>
#include <cstring>

namespace {

// Where the parts sit on the face and which picture lights them.
constexpr int kLineX = 19, kLineY = 124, kLineStep = 33, kLineW = 64, kLineH = 30;
constexpr int kStopX = 102, kStopStep = 96, kStopY = 277, kStopW = 62, kStopH = 50;
constexpr int kMedalX = 379, kMedalY = 289, kMedalW = 40, kMedalH = 18;
constexpr int kBonusX = 379, kBonusY = 185, kBonusStep = 34, kBonusW = 86, kBonusH = 32;
constexpr int kBigX = 395, kBigY = 127, kBigSize = 54;
constexpr int kWaitX = 59, kWaitOnY = 302, kWaitOffY = 313, kWaitW = 30, kWaitH = 11;
constexpr int kBetX = 359, kBetY = 378, kBetW = 46, kBetH = 32;
constexpr int kLeverX = 48, kLeverY = 371, kLeverW = 34, kLeverH = 42;
constexpr int kPaidX = 19, kCreditX = 429, kDigitsY = 294, kDigitW = 16, kDigitH = 24;
constexpr int kBlankGlyph = 10, kPointGlyph = 11;
// The number each bet-line lamp shows lit (3, 2, 1, 2, 3), as rows of its picture.
constexpr int kNumberRow[5] = {60, 30, 0, 30, 60};

uint32_t Rgb(const RGBQUAD& q) {
  return (static_cast<uint32_t>(q.rgbRed) << 16) | (static_cast<uint32_t>(q.rgbGreen) << 8) |
         q.rgbBlue;
}

// A DIBITMAP resource (a whole BMP file, 8 bits a pixel) as RGB; `key` gets the colour the
// game treats as transparent in its sprites: the table's nearest entry to (0, 128, 128).
bool LoadDib(HMODULE module, int id, Picture& out, uint32_t* key = nullptr) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"DIBITMAP");
  if (found == nullptr) return false;
  DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const BYTE* file = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (file == nullptr || size < 14 + sizeof(BITMAPINFOHEADER)) return false;
  BITMAPINFOHEADER h;
  std::memcpy(&h, file + 14, sizeof h);
  if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biWidth <= 0) return false;
  int colours = h.biClrUsed != 0 ? static_cast<int>(h.biClrUsed) : 256;
  const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(file + 14 + h.biSize);
  const BYTE* pixels = file + 14 + h.biSize + 4 * colours;
  int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  int stride = ((h.biWidth * 8 + 31) / 32) * 4;
  if (pixels + static_cast<size_t>(stride) * height > file + size) return false;
  out.width = h.biWidth;
  out.height = height;
  out.rgb.assign(static_cast<size_t>(out.width) * height, 0);
  for (int y = 0; y < height; ++y) {
    const BYTE* row = pixels + static_cast<size_t>(stride) * (h.biHeight < 0 ? y : height - 1 - y);
    for (int x = 0; x < out.width; ++x) {
      out.rgb[static_cast<size_t>(y) * out.width + x] = row[x] < colours ? Rgb(table[row[x]]) : 0;
    }
  }
  if (key != nullptr) {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < colours; ++i) {
      int dr = table[i].rgbRed, dg = table[i].rgbGreen - 128, db = table[i].rgbBlue - 128;
      int d = dr * dr + dg * dg + db * db;
      if (d < bestDistance) {
        best = i;
        bestDistance = d;
      }
    }
    *key = Rgb(table[best]);
  }
  return true;
}

}  // namespace

bool FaceReference::Load(const std::wstring& exe) {
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  bool ok = LoadDib(module, 502, face_) && LoadDib(module, 601, lever_) &&
            LoadDib(module, 603, bet_) && LoadDib(module, 604, lines_, &linesKey_) &&
            LoadDib(module, 605, stops_) && LoadDib(module, 606, medal_) &&
            LoadDib(module, 607, bonus_, &bonusKey_) && LoadDib(module, 608, bigChance_) &&
            LoadDib(module, 609, digits_);
  FreeLibrary(module);
  return ok && face_.width == 480 && face_.height == 432 && digits_.height == 288;
}

const char* FaceReference::LampName(FaceLamp lamp) {
  static const char* const kNames[kFaceLamps] = {
      "bet line 1 (diagonal down)", "bet line 2 (top)", "bet line 3 (middle)",
      "bet line 4 (bottom)", "bet line 5 (diagonal up)", "STOP 1", "STOP 2", "STOP 3",
      "MEDALS", "BONUS 3", "BONUS 2", "BONUS 1", "BIG CHANCE", "WAIT", "bet button",
      "start lever"};
  return lamp >= 0 && lamp < kFaceLamps ? kNames[lamp] : "?";
}

FaceReference::Region FaceReference::RegionOf(FaceLamp lamp) const {
  if (lamp <= LampLine4) return {kLineX, kLineY + kLineStep * (lamp - LampLine0), kLineW, kLineH};
  if (lamp <= LampStop2) return {kStopX + kStopStep * (lamp - LampStop0), kStopY, kStopW, kStopH};
  if (lamp == LampMedals) return {kMedalX, kMedalY, kMedalW, kMedalH};
  if (lamp <= LampBonus2) {
    return {kBonusX, kBonusY + kBonusStep * (lamp - LampBonus0), kBonusW, kBonusH};
  }
  if (lamp == LampBigChance) return {kBigX, kBigY, kBigSize, kBigSize};
  if (lamp == ButtonBet) return {kBetX, kBetY, kBetW, kBetH};
  if (lamp == ButtonLever) return {kLeverX, kLeverY, kLeverW, kLeverH};
  return {kWaitX, kWaitOnY, kWaitW, kWaitH};
}

uint32_t FaceReference::UnlitPixel(FaceLamp lamp, int x, int y) const {
  // The WAIT lamp's dark look is the plain panel just below the printed label.
  if (lamp == LampWait) return face_.At(x, y + (kWaitOffY - kWaitOnY));
  return face_.At(x, y);
}

uint32_t FaceReference::LitPixel(FaceLamp lamp, int x, int y) const {
  Region r = RegionOf(lamp);
  int dx = x - r.x, dy = y - r.y;
  if (lamp <= LampLine4) {
    uint32_t p = lines_.At(dx, kNumberRow[lamp - LampLine0] + dy);
    return p == linesKey_ ? face_.At(x, y) : p;
  }
  if (lamp <= LampStop2) return stops_.At(dx, (lamp == LampStop2 ? kStopH : 0) + dy);
  if (lamp == LampMedals) return medal_.At(dx, dy);
  if (lamp <= LampBonus2) {
    uint32_t p = bonus_.At(dx, dy);
    return p == bonusKey_ ? face_.At(x, y) : p;
  }
  if (lamp == LampBigChance) return bigChance_.At(dx, dy);
  if (lamp == ButtonBet) return bet_.At(dx, dy);
  if (lamp == ButtonLever) return lever_.At(dx, dy);
  return face_.At(x, y);  // the WAIT label as printed
}

LampLook FaceReference::Lamp(const Picture& screen, FaceLamp lamp) const {
  Region r = RegionOf(lamp);
  int litMisses = 0, unlitMisses = 0, differing = 0;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      uint32_t seen = screen.At(x, y), lit = LitPixel(lamp, x, y), unlit = UnlitPixel(lamp, x, y);
      if (lit != unlit) ++differing;
      if (seen != lit) ++litMisses;
      if (seen != unlit) ++unlitMisses;
    }
  }
  if (differing == 0) return LookNeither;  // a lamp whose looks are alike tells nothing
  if (litMisses == 0) return LookLit;
  if (unlitMisses == 0) return LookUnlit;
  return LookNeither;
}

int FaceReference::Glyph(const Picture& screen, int x, int y, bool* point) const {
  auto glyphPixel = [&](int g, int dx, int dy) { return digits_.At(dx, kDigitH * g + dy); };
  // The point glyph is black but for the point, and is ORed over the digit.
  auto isPoint = [&](int dx, int dy) { return glyphPixel(kPointGlyph, dx, dy) != 0; };
  for (int g = 0; g <= kBlankGlyph; ++g) {
    bool match = true;
    int pointPixels = 0, pointShown = 0;
    for (int dy = 0; dy < kDigitH && match; ++dy) {
      for (int dx = 0; dx < kDigitW && match; ++dx) {
        uint32_t seen = screen.At(x + dx, y + dy);
        if (isPoint(dx, dy)) {
          ++pointPixels;
          if (seen != glyphPixel(g, dx, dy)) ++pointShown;
          continue;
        }
        match = seen == glyphPixel(g, dx, dy);
      }
    }
    if (match) {
      if (point != nullptr) *point = pointPixels > 0 && 2 * pointShown > pointPixels;
      return g;
    }
  }
  return -1;
}

int FaceReference::PaidDisplay(const Picture& screen, bool* point) const {
  int tens = Glyph(screen, kPaidX, kDigitsY);
  int units = Glyph(screen, kPaidX + kDigitW, kDigitsY, point);
  if (tens < 0 || tens > 9 || units < 0 || units > 9) return -1;
  return 10 * tens + units;
}

int FaceReference::CreditDisplay(const Picture& screen) const {
  int tens = Glyph(screen, kCreditX, kDigitsY);
  int units = Glyph(screen, kCreditX + kDigitW, kDigitsY);
  if (tens < 0 || tens > 9 || units < 0 || units > 9) return -1;
  return 10 * tens + units;
}

bool CaptureScreenArea(int x, int y, int w, int h, Picture& out) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  bool ok = bitmap != nullptr && memory != nullptr && bits != nullptr;
  if (ok) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, w, h, screen, x, y, SRCCOPY) != 0;
    GdiFlush();
    if (ok) {
      out.width = w;
      out.height = h;
      out.rgb.assign(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + w * h);
      for (uint32_t& p : out.rgb) p &= 0xFFFFFF;
    }
    SelectObject(memory, previous);
  }
  if (memory != nullptr) DeleteDC(memory);
  if (bitmap != nullptr) DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool CapturePlayWindow(HWND play, Picture& out) {
  POINT origin{0, 0};
  if (play == nullptr || !ClientToScreen(play, &origin)) return false;
  return CaptureScreenArea(origin.x, origin.y, 480, 432, out);
}

int Differences(const Picture& a, const Picture& b, int x, int y, int w, int h) {
  int n = 0;
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      if (a.At(i, j) != b.At(i, j)) ++n;
    }
  }
  return n;
}

bool SavePicture(const Picture& picture, const std::string& path) {
  const int stride = ((picture.width * 24 + 31) / 32) * 4;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * picture.height);
  info.biSize = sizeof info;
  info.biWidth = picture.width;
  info.biHeight = picture.height;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&info, sizeof info, 1, f) == 1;
  std::vector<unsigned char> row(static_cast<size_t>(stride), 0);
  for (int y = picture.height - 1; ok && y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      uint32_t p = picture.At(x, y);
      row[3 * x] = static_cast<unsigned char>(p);
      row[3 * x + 1] = static_cast<unsigned char>(p >> 8);
      row[3 * x + 2] = static_cast<unsigned char>(p >> 16);
    }
    ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
  }
  return std::fclose(f) == 0 && ok;
}
