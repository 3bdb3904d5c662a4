// A game's face as the player sees it, read back from the screen of the running game and
// compared with the looks of its description, rebuilt here from the game's own bitmaps.
#include "games/e2e/face_check.h"

#include <cstdio>
#include <cstring>

#include "games/e2e/e2e_game.h"
#include "presentation/faces/face_rules.h"
#include "presentation/game_description.h"

namespace {

uint32_t Rgb(const RGBQUAD& q) {
  return (static_cast<uint32_t>(q.rgbRed) << 16) | (static_cast<uint32_t>(q.rgbGreen) << 8) |
         q.rgbBlue;
}

// A DIBITMAP resource (a whole BMP file, 8 bits a pixel) as RGB, with its colour table; `key`
// gets the colour the game treats as transparent in its sprites: the table's nearest entry to
// (0, 128, 128).
bool LoadDib(HMODULE module, int id, Picture& out, std::vector<uint32_t>* table = nullptr,
             uint32_t* key = nullptr) {
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
  const RGBQUAD* quads = reinterpret_cast<const RGBQUAD*>(file + 14 + h.biSize);
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
      out.rgb[static_cast<size_t>(y) * out.width + x] = row[x] < colours ? Rgb(quads[row[x]]) : 0;
    }
  }
  if (table != nullptr) {
    table->clear();
    for (int i = 0; i < colours; ++i) table->push_back(Rgb(quads[i]));
  }
  if (key != nullptr) {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < colours; ++i) {
      int dr = quads[i].rgbRed, dg = quads[i].rgbGreen - 128, db = quads[i].rgbBlue - 128;
      int d = dr * dr + dg * dg + db * db;
      if (d < bestDistance) {
        best = i;
        bestDistance = d;
      }
    }
    *key = Rgb(quads[best]);
  }
  return true;
}

// The colour of the game table nearest to c, as a copy into a surface of the game's colours
// maps a picture that has a table of its own.
uint32_t Nearest(const std::vector<uint32_t>& table, uint32_t c) {
  uint32_t best = 0;
  long bestDistance = -1;
  for (uint32_t t : table) {
    long dr = long((t >> 16) & 255) - long((c >> 16) & 255);
    long dg = long((t >> 8) & 255) - long((c >> 8) & 255);
    long db = long(t & 255) - long(c & 255);
    long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = t;
      bestDistance = d;
    }
  }
  return best;
}

Picture Crop(const Picture& from, int x, int y, int w, int h) {
  Picture out;
  out.width = w;
  out.height = h;
  out.rgb.assign(static_cast<size_t>(w) * h, 0);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      if (x + i < from.width && y + j < from.height) {
        out.rgb[static_cast<size_t>(j) * w + i] = from.At(x + i, y + j);
      }
    }
  }
  return out;
}

void Append(Picture& strip, const Picture& look) {
  if (strip.width == 0) strip.width = look.width;
  strip.rgb.insert(strip.rgb.end(), look.rgb.begin(), look.rgb.end());
  strip.height += look.height;
}

}  // namespace

bool FaceReference::Load(const std::wstring& exe) {
  const GameDescription& g = DrivenDescription();
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  std::vector<uint32_t> gameTable, faceTable;
  Picture palette;
  bool ok = LoadDib(module, 500, palette, &gameTable) && LoadDib(module, 502, face_, &faceTable);
  // A face with a table of its own shows in the game's colours, each the nearest one.
  if (ok && faceTable != gameTable) {
    for (uint32_t& p : face_.rgb) p = Nearest(gameTable, p);
  }
  Picture working = face_;
  strips_.assign(g.stripCount, Picture{});
  for (int i = 0; ok && i < g.stripCount; ++i) ok = BuildStrip(module, g.strips[i], working, strips_[i]);
  hallStrips_.assign(g.hallStripCount, Picture{});
  for (int i = 0; ok && i < g.hallStripCount; ++i) {
    ok = BuildStrip(module, g.hallStrips[i], working, hallStrips_[i]);
  }
  FreeLibrary(module);
  digits_ = StripOf("PanelDigits");
  return ok && face_.width == 480 && face_.height == 432;
}

// One strip as the game builds it at start-up; looks cut from the face are cut from `working`,
// on which painted looks stay painted.
bool FaceReference::BuildStrip(HMODULE module, const StripSpec& s, Picture& working, Picture& out) {
  if (s.kind == StripKind::Whole) return LoadDib(module, s.bitmap, out);
  if (s.kind != StripKind::Looks) return true;
  for (int k = 0; k < s.stepCount; ++k) {
    const LookStep& step = s.steps[k];
    Picture picture;
    uint32_t key = 0;
    if (step.source != LookSource::Face && !LoadDib(module, step.bitmap, picture, nullptr, &key)) {
      return false;
    }
    if (step.source == LookSource::Bitmap) {
      Append(out, Crop(picture, step.sx, step.sy, s.w, s.h));
      continue;
    }
    if (step.source == LookSource::PaintedFace) {
      for (int y = 0; y < s.h; ++y) {
        for (int x = 0; x < s.w; ++x) {
          uint32_t p = picture.At(step.sx + x, step.sy + y);
          if (p != key) working.rgb[static_cast<size_t>(step.y + y) * working.width + step.x + x] = p;
        }
      }
    }
    Append(out, Crop(working, step.x, step.y, s.w, s.h));
  }
  return true;
}

int FaceReference::StripOf(const char* name) const { return StripIndex(DrivenDescription(), name); }

namespace {

// The first look of a strip that the screen shows at (x, y), compared where the screen has the
// place (a hall machine at the edge of the view shows part of itself); -1 when none.
int MatchLook(const Picture& screen, const StripSpec& s, const Picture& looks, int x, int y) {
  if (looks.width == 0) return -1;
  for (int k = 0; k * s.h < looks.height; ++k) {
    bool match = true;
    for (int j = 0; j < s.h && match; ++j) {
      for (int i = 0; i < s.w && match; ++i) {
        if (x + i < 0 || x + i >= screen.width || y + j < 0 || y + j >= screen.height) continue;
        match = screen.At(x + i, y + j) == looks.At(i, k * s.h + j);
      }
    }
    if (match) return k;
  }
  return -1;
}

}  // namespace

int FaceReference::LookAt(const Picture& screen, int strip, int x, int y) const {
  if (strip < 0 || strip >= static_cast<int>(strips_.size())) return -1;
  return MatchLook(screen, DrivenDescription().strips[strip], strips_[strip], x, y);
}

int FaceReference::HallLookAt(const Picture& screen, int strip, int x, int y) const {
  if (strip < 0 || strip >= static_cast<int>(hallStrips_.size())) return -1;
  return MatchLook(screen, DrivenDescription().hallStrips[strip], hallStrips_[strip], x, y);
}

int FaceReference::PartLook(const Picture& screen, int part, int place) const {
  const PartSpec& p = DrivenDescription().parts[part];
  if (place < 0 || place >= p.placeCount) return -1;
  return LookAt(screen, p.strip, p.places[place].x, p.places[place].y);
}

const PartSpec* FaceReference::PartOfRule(LookRule rule) {
  const GameDescription& d = DrivenDescription();
  for (int i = 0; i < d.partCount; ++i) {
    if (d.parts[i].look == rule) return &d.parts[i];
  }
  return nullptr;
}

int FaceReference::RuleLook(const Picture& screen, LookRule rule, int place) const {
  const PartSpec* part = PartOfRule(rule);
  if (part == nullptr || place < 0 || place >= part->placeCount) return -1;
  return LookAt(screen, part->strip, part->places[place].x, part->places[place].y);
}

int FaceReference::ControlLook(const Picture& screen, int control) const {
  const ControlSpec& c = DrivenDescription().controls[control - 20];
  return LookAt(screen, c.strip, c.x, c.y);
}

const char* FaceReference::LampName(FaceLamp lamp) {
  static const char* const kNames[kFaceLamps] = {
      "bet line 1 (diagonal down)", "bet line 2 (top)", "bet line 3 (middle)",
      "bet line 4 (bottom)", "bet line 5 (diagonal up)", "STOP 1", "STOP 2", "STOP 3",
      "MEDALS", "BONUS 3", "BONUS 2", "BONUS 1", "BIG CHANCE", "WAIT", "bet button",
      "start lever"};
  return lamp >= 0 && lamp < kFaceLamps ? kNames[lamp] : "?";
}

FaceReference::LampPlace FaceReference::PlaceOf(FaceLamp lamp) const {
  const GameDescription& g = DrivenDescription();
  auto in = [&](const char* name, int place, int lamps) {
    int strip = StripOf(name);
    for (int i = 0; i < g.partCount; ++i) {
      if (g.parts[i].strip == strip && place < g.parts[i].placeCount) {
        const Place& at = g.parts[i].places[place];
        return LampPlace{strip, at.x, at.y, place, place + lamps};
      }
    }
    return LampPlace{-1, 0, 0, 0, 0};
  };
  auto control = [&](int index) {
    const ControlSpec& c = g.controls[index - 20];
    return LampPlace{c.strip, c.x, c.y, 0, 1};
  };
  if (lamp <= LampLine4) return in("LineLampLooks", lamp - LampLine0, 5);
  if (lamp <= LampStop2) return in("StopLampLooks", lamp - LampStop0, 3);
  if (lamp == LampMedals) return in("MedalLampLooks", 0, 1);
  if (lamp <= LampBonus2) return in("BonusLampLooks", lamp - LampBonus0, 3);
  if (lamp == LampBigChance) return in("BigChanceLampLooks", 0, 1);
  if (lamp == LampWait) return in("WaitLampLooks", 0, 1);
  return control(lamp == ButtonBet ? 21 : 22);
}

LampLook FaceReference::Lamp(const Picture& screen, FaceLamp lamp) const {
  const LampPlace at = PlaceOf(lamp);
  if (at.strip < 0) return LookNeither;
  const StripSpec& s = DrivenDescription().strips[at.strip];
  const Picture& looks = strips_[at.strip];
  int litMisses = 0, unlitMisses = 0, differing = 0;
  for (int y = 0; y < s.h; ++y) {
    for (int x = 0; x < s.w; ++x) {
      uint32_t seen = screen.At(at.x + x, at.y + y);
      uint32_t lit = looks.At(x, s.h * at.lit + y), unlit = looks.At(x, s.h * at.unlit + y);
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
  constexpr int kBlankGlyph = 10, kPointGlyph = 11;
  if (digits_ < 0) return -1;
  const Picture& digits = strips_[digits_];
  const int w = DrivenDescription().strips[digits_].w, h = DrivenDescription().strips[digits_].h;
  auto glyphPixel = [&](int g, int dx, int dy) { return digits.At(dx, h * g + dy); };
  // The point glyph is black but for the point, and is ORed over the digit.
  auto isPoint = [&](int dx, int dy) { return glyphPixel(kPointGlyph, dx, dy) != 0; };
  for (int g = 0; g <= kBlankGlyph; ++g) {
    bool match = true;
    int pointPixels = 0, pointShown = 0;
    for (int dy = 0; dy < h && match; ++dy) {
      for (int dx = 0; dx < w && match; ++dx) {
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

namespace {
// The Orlido 2's displays: the places of its digits part (paid tens, units, point, credit).
const Place* DigitPlaces() {
  const GameDescription& g = DrivenDescription();
  for (int i = 0; i < g.partCount; ++i) {
    if (g.parts[i].look == &No1DigitGlyph) return g.parts[i].places;
  }
  return nullptr;
}
}  // namespace

bool FaceReference::HasOrlidoDisplays() const { return DigitPlaces() != nullptr; }

int FaceReference::PaidDisplay(const Picture& screen, bool* point) const {
  const Place* at = DigitPlaces();
  if (at == nullptr) return -1;
  int tens = Glyph(screen, at[0].x, at[0].y);
  int units = Glyph(screen, at[1].x, at[1].y, point);
  if (tens < 0 || tens > 9 || units < 0 || units > 9) return -1;
  return 10 * tens + units;
}

int FaceReference::CreditDisplay(const Picture& screen) const {
  const Place* at = DigitPlaces();
  if (at == nullptr) return -1;
  int tens = Glyph(screen, at[3].x, at[3].y);
  int units = Glyph(screen, at[4].x, at[4].y);
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
