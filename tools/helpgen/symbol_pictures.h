// The symbol pictures of the help, cut from the game's reel bitmap (bitmap 600: the symbols
// stacked one symbol height apart, code k at rows k x height), so they are the game's own art.
#pragma once

#include <string>
#include <vector>

// Writes <dir>/symbol-<code>.png for each code. Fails with a reason when the bitmap cannot be
// read or is too short for a code at this symbol height. *width receives the picture width.
bool CutSymbolPictures(const std::string& bitmapPath, int symbolHeight,
                       const std::vector<int>& codes, const std::string& dir, int* width,
                       std::string* error);
