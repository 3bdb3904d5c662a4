// Reads the viewer's client area through a 32-bit DIB section and writes BMP files, so that
// the pictures show exactly what the window shows.
#include "presentation/viewer/screen_capture.h"

#include <cstdio>
#include <cstring>

bool CaptureClient(HWND window, uint32_t* pixels) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kCaptureW;
  info.bmiHeader.biHeight = -kCaptureH;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(dc);
  bool ok = bitmap != nullptr && memory != nullptr;
  if (ok) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, kCaptureW, kCaptureH, dc, 0, 0, SRCCOPY) != 0;
    GdiFlush();
    if (ok) std::memcpy(pixels, bits, sizeof(uint32_t) * kCaptureW * kCaptureH);
    SelectObject(memory, previous);
  }
  if (memory != nullptr) DeleteDC(memory);
  if (bitmap != nullptr) DeleteObject(bitmap);
  ReleaseDC(window, dc);
  for (int i = 0; ok && i < kCaptureW * kCaptureH; ++i) pixels[i] &= 0xFFFFFF;
  return ok;
}

bool SaveBmp(const char* path, const uint32_t* pixels) {
  FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return false;
  const int stride = kCaptureW * 3;  // 1824, a multiple of 4
  const uint32_t imageSize = static_cast<uint32_t>(stride * kCaptureH);
  unsigned char header[54] = {'B', 'M'};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  put32(2, 54 + imageSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, kCaptureW);
  put32(22, kCaptureH);
  header[26] = 1;
  header[28] = 24;
  put32(34, imageSize);
  bool ok = std::fwrite(header, 1, sizeof header, f) == sizeof header;
  static unsigned char row[kCaptureW * 3];
  for (int y = kCaptureH - 1; ok && y >= 0; --y) {
    for (int x = 0; x < kCaptureW; ++x) {
      uint32_t p = pixels[y * kCaptureW + x];
      row[3 * x] = static_cast<unsigned char>(p);
      row[3 * x + 1] = static_cast<unsigned char>(p >> 8);
      row[3 * x + 2] = static_cast<unsigned char>(p >> 16);
    }
    ok = std::fwrite(row, 1, stride, f) == static_cast<size_t>(stride);
  }
  return std::fclose(f) == 0 && ok;
}
