// The game this program is, and the parts of its description that are rules rather than data:
// where a reel window reads its strip, which parts blink on this tick.
#include "presentation/game_description.h"

#include <cstring>

#include "base/tick_counters.h"

namespace {
const GameDescription* activeGame = nullptr;

bool Wrapped(int phase) {
  switch (phase) {
    case 64: return Phase64 == 0;
    case 128: return Phase128 == 0;
    case 256: return Phase256 == 0;
    default: return false;
  }
}
}  // namespace

const GameDescription& ActiveGame() {
  // Every program selects its game before anything is drawn; tools and tests that do not fall
  // back to game No.1.
  if (activeGame == nullptr) activeGame = GameDescriptionOf(1);
  return *activeGame;
}

void SelectGame(const GameDescription& game) { activeGame = &game; }

int ReelSourceY(const GameDescription& g, int reelPos) {
  const int unit = g.symbolHeight, turn = ReelTurn(g);
  int pos = reelPos;
  if (pos < unit) pos += turn;
  // Any other position outside one turn would reach past the strip's rows; the same symbols
  // show within the turn.
  if (pos < unit || pos > turn + unit) {
    int within = (pos - unit) % turn;
    if (within < 0) within += turn;
    pos = unit + within;
  }
  return pos - g.reels.rowsAbove;
}

int TickMarkBits(const GameDescription& g, const MachineRecord& m, bool* invalidateBet) {
  int bits = 0;
  bool bet = false;
  for (int i = 0; i < g.tickMarkCount; ++i) {
    const TickMark& mark = g.tickMarks[i];
    if (!Wrapped(mark.phase) || !mark.when(m)) continue;
    bits |= mark.bits;
    bet = bet || mark.invalidateBet;
  }
  if (invalidateBet != nullptr) *invalidateBet = bet;
  return bits;
}

int StripIndex(const GameDescription& g, const char* name) {
  for (int i = 0; i < g.stripCount; ++i) {
    if (std::strcmp(g.strips[i].name, name) == 0) return i;
  }
  return -1;
}
