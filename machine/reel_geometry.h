// Reel positions and the symbol window. Every distance is a function of the symbol height u,
// so machines with 32, 34 and 36 pixel symbols share one set of rules.
#pragma once

#include "machine/machine_model.h"
#include "machine/machine_record.h"

inline int Mod21(int v) {
  int r = v % kStripLength;
  return r < 0 ? r + kStripLength : r;
}

// A spinning reel moves half a symbol per tick at the normal tick unit of 16.
inline int ReelStepPerTick(int u, int tickUnit) {
  return tickUnit == 16 ? u / 2 : tickUnit == 32 ? u : 0;
}
// A position of u or less wraps to 22u, which shows the same window as u.
inline int ReelWrapPosition(int u) { return 22 * u; }
// Resets put strip index 20 in the top row.
inline int ReelHomePosition(int u) { return 20 * u; }
inline bool AtSymbolBoundary(int u, int pos) { return pos % u == 0; }
// Strip index shown in the top row; robust against any stored position.
inline int TopStripIndex(int u, int pos) { return Mod21(pos / u); }

// Raw strip code in a row (0 top .. 2 bottom) of a reel after it slides on by `slide` symbols.
inline int StripSymbolAfter(const MachineModel& model, const MachineRecord& m, int reel, int row,
                            int slide) {
  int top = TopStripIndex(model.symbolHeight, m.reelPos[reel]);
  return model.strips[reel][Mod21(top - slide + row)];
}

inline bool JacPlayInForce(const MachineRecord& m, bool callerAsks) {
  return callerAsks || m.jacWins > 0;
}

inline int TranslateSymbol(const MachineModel& model, int code, bool jacPlay) {
  return jacPlay ? model.jacPlayCode[code & 15] : model.ordinaryCode[code & 15];
}

// The translated symbol in a row of a reel after sliding on.
inline int SymbolAfter(const MachineModel& model, const MachineRecord& m, int reel, int row,
                       int slide, bool jacPlay) {
  return TranslateSymbol(model, StripSymbolAfter(model, m, reel, row, slide), jacPlay);
}

// The three visible rows of each reel, translated. cell[reel][row].
struct SymbolWindow {
  int cell[kReelCount][3];
};
SymbolWindow ReadSymbolWindow(const MachineModel& model, const MachineRecord& m, bool jacPlay);
