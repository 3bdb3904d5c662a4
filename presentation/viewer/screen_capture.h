// Pictures of the viewer's window: its client area read back as RGB pixels, and saved as a
// 24-bit BMP file.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int kCaptureW = 608, kCaptureH = 432;

// The client area, row 0 at the top, 0x00RRGGBB per pixel; false when it could not be read.
bool CaptureClient(HWND window, uint32_t* pixels);
bool SaveBmp(const char* path, const uint32_t* pixels);
