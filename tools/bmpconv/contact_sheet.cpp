// Contact sheet layout and painting. Labels use a built-in 5 x 7 digit font so the sheet
// needs no font files.
#include "tools/bmpconv/contact_sheet.h"

#include <algorithm>
#include <cstdio>

namespace {

// Rows of each digit, 5 bits wide, most significant bit leftmost.
constexpr uint8_t kDigitFont[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

constexpr int kMargin = 16;
constexpr int kLabelScale = 2;
constexpr int kLabelHeight = 7 * kLabelScale + 8;
constexpr Rgb kBackground{72, 72, 80};
constexpr Rgb kLabelColour{255, 255, 160};

void SetPixel(RgbCanvas* canvas, int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= canvas->width || y >= canvas->height) return;
  uint8_t* p = &canvas->pixels[(size_t(y) * size_t(canvas->width) + size_t(x)) * 3];
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

void PaintImage(RgbCanvas* canvas, int left, int top, const IndexedImage& image, int scale) {
  for (int y = 0; y < image.height * scale; ++y) {
    for (int x = 0; x < image.width * scale; ++x) {
      const uint8_t index = image.indices[size_t(y / scale) * size_t(image.width) + size_t(x / scale)];
      SetPixel(canvas, left + x, top + y, image.table[index]);
    }
  }
}

int CellWidth(const IndexedImage& image) { return image.width * 3 + kMargin; }
int CellHeight(const IndexedImage& image) { return kLabelHeight + image.height * 2; }

struct Placement {
  int x;
  int y;
};

}  // namespace

void PaintNumber(RgbCanvas* canvas, int x, int y, int number, int scale, Rgb colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", number);
  for (const char* c = text; *c; ++c) {
    if (*c < '0' || *c > '9') continue;
    const uint8_t* rows = kDigitFont[*c - '0'];
    for (int row = 0; row < 7; ++row) {
      for (int col = 0; col < 5; ++col) {
        if (!(rows[row] >> (4 - col) & 1)) continue;
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            SetPixel(canvas, x + col * scale + dx, y + row * scale + dy, colour);
          }
        }
      }
    }
    x += 6 * scale;
  }
}

void ComposeSheet(const std::vector<SheetEntry>& entries, int maxWidth, RgbCanvas* canvas) {
  std::vector<Placement> places;
  int x = kMargin;
  int y = kMargin;
  int rowHeight = 0;
  int sheetWidth = 0;
  for (const SheetEntry& entry : entries) {
    const int w = CellWidth(entry.image);
    if (x > kMargin && x + w > maxWidth) {
      x = kMargin;
      y += rowHeight + kMargin;
      rowHeight = 0;
    }
    places.push_back(Placement{x, y});
    x += w + kMargin;
    sheetWidth = std::max(sheetWidth, x);
    rowHeight = std::max(rowHeight, CellHeight(entry.image));
  }
  canvas->width = std::max(sheetWidth, 2 * kMargin);
  canvas->height = y + rowHeight + kMargin;
  canvas->pixels.assign(size_t(canvas->width) * size_t(canvas->height) * 3, 0);
  for (int py = 0; py < canvas->height; ++py) {
    for (int px = 0; px < canvas->width; ++px) SetPixel(canvas, px, py, kBackground);
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    const IndexedImage& image = entries[i].image;
    const Placement& at = places[i];
    PaintNumber(canvas, at.x, at.y, entries[i].id, kLabelScale, kLabelColour);
    PaintImage(canvas, at.x, at.y + kLabelHeight, image, 1);
    PaintImage(canvas, at.x + image.width + kMargin, at.y + kLabelHeight, image, 2);
  }
}
