// Everything that differs from one game to the next, as one constant record per game that the
// shared drawing, control and sound code walks: generated at build time from games/kv440N/game.json.
#pragma once

#include <cstdint>

#include "machine/machine_record.h"

// A look rule: the row of a look strip that place `index` of a part shows for the machine
// (-1 draws nothing there). A condition: a test of the machine.
using LookRule = int (*)(const MachineRecord& m, int index);
using MachineCondition = bool (*)(const MachineRecord& m);

// One of the game's own bitmaps (500-series per-game pictures and the 600 series).
struct BitmapSpec {
  int id;
  int width, height;
  bool ownTable;         // keeps a colour table of its own
  int spriteLookHeight;  // a picture with transparency: the height of each of its looks; else 0
};

// How one look of a strip is made at start-up.
enum class LookSource : uint8_t {
  Face,         // the face as it stands at (x, y)
  Bitmap,       // a rectangle of bitmap `bitmap` at (sx, sy)
  PaintedFace,  // sprite `bitmap`'s rectangle at (sx, sy) painted on the face at (x, y), then the face
};
struct LookStep {
  LookSource source;
  int16_t x, y;
  int16_t bitmap;
  int16_t sx, sy;
};

enum class StripKind : uint8_t {
  Looks,  // built look by look from `steps`
  Whole,  // bitmap `bitmap` as it is; w x h is one look
  Reels,  // the three reel strips from the symbol bitmap, column `symbolsX`
  Shade,  // the reels' shade band
};
struct StripSpec {
  const char* name;
  StripKind kind;
  int16_t w, h;  // one look (the reel strips: one symbol of one reel)
  int16_t bitmap;
  int16_t symbolsX;
  const LookStep* steps;
  int16_t stepCount;
};

// Where a part copies its looks: one place per look it shows; `paint` combines the look with
// OR instead of copying it (a decimal point over a digit).
struct Place {
  int16_t x, y;
  bool paint;
};

// A reels part's dark-cell rule: bit 3 x reel + row (row 0 the top row) for each cell shown
// from the dark strip, and this bit for the rest of the windows dark as well.
constexpr int kDarkWindows = 1 << 9;

enum class PartDrawer : uint8_t {
  Reels,  // the reel windows, shade and pay lines; with a dark strip the rule's cells from it
  Looks,  // the rule's look of the strip at each place
  Gauge,  // the rule's number of lit rows at the bottom, the rest unlit
};
struct PartSpec {
  int bit;
  PartDrawer drawer;
  int16_t strip;      // index into strips; -1 none
  int16_t darkStrip;  // reels only: index of the dark strip, -1 none
  LookRule look;
  const Place* places;
  int16_t placeCount;
};

// On a tick where the phase counter wraps and the condition holds, the bits join the
// machine's redraw flags; `invalidateBet` also repaints the bet button.
struct TickMark {
  int16_t phase;  // 64, 128 or 256
  MachineCondition when;
  int bits;
  bool invalidateBet;
};

struct ReelGeometry {
  int16_t x, step, y, w, h;
  int16_t rowsAbove, shadeRows;
  int16_t symbols, shadeY;
};
struct PayLineSegment {
  int16_t x0, y0, x1, y1;  // end point excluded
};

// The six play controls, by ControlIndex - 20: medal slot, bet button, lever, three stops.
struct ControlSpec {
  int16_t x, y, w, h;
  int16_t strip;  // looks: released, pressed (then lit released, lit pressed); -1 draws nothing
  int16_t cursor;
  int16_t targetX, targetY;
};

// How a sound request is played: see DispatchMachineSound.
enum class WaveRule : uint8_t {
  None,
  Once,
  LoopUnlessBusy,
  StopThenLoop,
  StopThenOnce,
  OnceWithoutSingle,  // only while singleBonus is 0
  OnceWithoutBig,     // only while bigGames is 0
};
constexpr int kFirstWave = 701, kWaveSlots = 10;  // WAVE ids 701..710
struct SoundSpec {
  int waveCount;
  int waves[kWaveSlots];
  int bigTune, jacTune;
  MachineCondition jacTuneWhen;
  WaveRule early[kWaveSlots];    // before the bonus branches, by id - 701
  WaveRule effects[kWaveSlots];  // after them
};

// A lamp of the machine as the hall shows it, at the machine's left edge + x, at y.
struct HallPartSpec {
  int16_t strip;
  LookRule look;
  int16_t x, y;
};

struct GameDescription {
  int game;
  const char* model;
  int symbolHeight;
  ReelGeometry reels;
  int16_t reelStrip, shadeStrip;  // strip indices of the reel strips and their shade
  const PayLineSegment* payLines;
  int payLineCount;
  const BitmapSpec* bitmaps;
  int bitmapCount;
  const StripSpec* strips;
  int stripCount;
  const PartSpec* parts;
  int partCount;
  int fullPaintSkips;  // redraw bits a full paint leaves out
  const TickMark* tickMarks;
  int tickMarkCount;
  ControlSpec controls[6];
  int16_t betLooks;   // 2, or 4 for a bet button with a lit pair
  LookRule betLook;   // with 4 looks: the look for (machine, held)
  SoundSpec sound;
  const StripSpec* hallStrips;
  int hallStripCount;
  const HallPartSpec* hallParts;
  int hallPartCount;
};

// The most strips a game has, on the face and in the hall.
constexpr int kMaxFaceStrips = 24;
constexpr int kMaxHallStrips = 4;

// The game this program is; every program selects its own once at start-up.
const GameDescription& ActiveGame();
void SelectGame(const GameDescription& game);

// The descriptions this build has, by game number (null for a game not built).
const GameDescription* GameDescriptionOf(int game);

// Reel picture rows of one turn, and the strip's depth: 26 symbols, so no window reads past it.
inline int ReelTurn(const GameDescription& g) { return 21 * g.symbolHeight; }
constexpr int kReelStripSymbols = 26;

// Top edge, in the strip picture, of what a reel window shows for a reel position. Positions
// of one symbol or less (a reset may leave 0 to 20 symbols) show the same symbols one turn on.
int ReelSourceY(const GameDescription& g, int reelPos);

// The redraw bits the tick marks add on this tick (by the phase counters' wraps), and whether
// the bet button is to be repainted.
int TickMarkBits(const GameDescription& g, const MachineRecord& m, bool* invalidateBet);

// The strip index of a name, or -1.
int StripIndex(const GameDescription& g, const char* name);
