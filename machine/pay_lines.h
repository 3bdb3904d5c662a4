// The five pay lines, each named by a bit, and which of them a bet opens.
#pragma once

enum LineBit {
  LineDiagonalDown = 1,  // top, middle, bottom
  LineTop = 2,
  LineMiddle = 4,
  LineBottom = 8,
  LineDiagonalUp = 16,   // bottom, middle, top
};

enum Row { RowTop = 0, RowMiddle = 1, RowBottom = 2 };

// Row of a line on a reel; any value that is not a line counts as the rising diagonal.
inline int RowOf(int line, int reel) {
  switch (line) {
    case LineDiagonalDown: return reel;
    case LineTop: return RowTop;
    case LineMiddle: return RowMiddle;
    case LineBottom: return RowBottom;
    default: return 2 - reel;
  }
}

// Lines a bet opens: one medal the middle line, two the three rows, three all five.
inline int ActiveLines(int bet) {
  if (bet >= 3) return LineTop | LineMiddle | LineBottom | LineDiagonalDown | LineDiagonalUp;
  if (bet == 2) return LineTop | LineMiddle | LineBottom;
  if (bet == 1) return LineMiddle;
  return 0;
}

// The order in which stop control and scoring walk the lines.
constexpr int kLineOrder[5] = {LineTop, LineMiddle, LineBottom, LineDiagonalDown, LineDiagonalUp};
