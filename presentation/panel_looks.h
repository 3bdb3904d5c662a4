// The info panel's rules: the clock's glyphs, the machine board's plates, frames and lamps,
// the player tabs, the counters and their digits, and the faces of the panel's controls.
#pragma once

#include "hall/shop_record.h"
#include "machine/machine_record.h"

struct PlayerSlot;

namespace panel {
constexpr int kWidth = 128, kHeight = 432;
constexpr int kTickHeight = 290;  // the part the tick redraws; below it stand the controls
// clock
constexpr int kDayX = 5, kClockY = 4, kDayW = 32, kLargeDigitW = 16, kLargeDigitH = 24;
constexpr int kClockDigitX[4] = {47, 63, 91, 107};
// machine board
constexpr int kBoardTop = 32;  // the board's area reaches from here to the player tabs
constexpr int kPlateW = 30, kPlateH = 16, kLampSize = 12;
// player tabs
constexpr int kTabY = 170, kTabW = 32, kTabH = 26;
// counter board
constexpr int kCounterY = 196, kCounterH = 94;
constexpr int kCounterPlateX = 7, kCounterPlateY = 202;
constexpr int kDayNameY = 202, kDayNameW = 24, kDayNameH = 16;
constexpr int kDayNameX[3] = {43, 71, 99};
constexpr int kBigCountY = 224;
constexpr int kSmallDigitW = 10, kSmallDigitH = 16;
constexpr int kGamesX = 57, kGamesY = 246, kMedalsX = 57, kMedalsY = 268;
constexpr int kBlankGlyph = 10, kCommaGlyph = 11;
}  // namespace panel

struct PanelPoint {
  int x, y;
};

// The clock: day name look (0 Sunday), then the hour as "%2d" and the minutes as "%02d", a
// blank hour tens as glyph 10.
struct ClockGlyphs {
  int dayLook;
  int digit[4];
};
ClockGlyphs ClockGlyphsOf(const CalendarTime& t);

// The machine board: plates and occupancy lamps of machines 0-7 (left column, bottom up) and
// 8-15 (right column, top down).
PanelPoint BoardPlatePosition(int machine);
PanelPoint BoardLampPosition(int machine);
// A plate is lit while its shop is open, and blinks while its machine runs a big bonus.
bool BoardPlateLit(const MachineRecord& m, int shopLevel);
enum BoardFrame { FrameNone = 0, FrameWhite = 1, FrameYellow = 2, FrameCyan = 3 };
// White around the seat that is also under the hall cursor, yellow around the seat, cyan
// around the hall cursor.
int BoardFrameOf(int machine, int seatedMachine, int hallCursor);
// Occupancy lamp look (0 free, 1 customer, 2..5 P1..P4); it blinks dark while the machine has
// a notice waiting or its player is away looking at the hall.
int OccupancyLampLook(const MachineRecord& m, int machine, int shop);

// Source row in the player tab looks of slot k's tab: free or registered, the current one
// lighter; a registered player elsewhere whose machine has a notice waiting blinks.
int PlayerTabLook(int slot);

// The machine the counter board shows: the hall cursor's, else the seat, else none (-1).
int CounterMachineOf(const PlayerSlot& slot);
// Day name looks above the three big bonus counts: the day before yesterday, yesterday, today.
int BigCountDayLook(int weekday, int column);

// Glyphs of a counter: figures 10 pixels apart from x0; six-figure counters carry the
// thousands mark after the third figure and move the last three 4 pixels on.
struct CounterGlyph {
  int x;
  int glyph;
};
constexpr int kCounterGlyphsMax = 7;
int BigCountGlyphs(int count, int x0, CounterGlyph* out);   // "%2d": 2 glyphs
int GamesGlyphs(int games, int x0, CounterGlyph* out);      // "%6d": 7 glyphs
int MedalsGlyphs(int medals, int x0, CounterGlyph* out);    // "%6lu": 7 glyphs

// Source rectangles of the panel controls' faces in their bitmaps.
struct FaceRect {
  int x, y, w, h;
};
// The owner-drawn buttons 7..17 in bitmap 509; false for any other id.
bool PanelButtonFaceRect(int buttonId, bool pressed, FaceRect& out);
FaceRect DayNightFaceRect(int shop);      // bitmap 509
FaceRect PlayModeFaceRect(int autoPlay);  // bitmap 510
FaceRect StopOrderFaceRect(int stopOrder);  // bitmap 510
FaceRect PageTabFaceRect(int page);       // the page tab looks
