// A picture of the whole screen as a 24-bit BMP file, so that a check run can show what the
// player would have seen.
#pragma once

#include <string>

// Captures the screen (the virtual desktop under Wine) into the file; false when it fails.
bool SaveScreenPicture(const std::wstring& path);
