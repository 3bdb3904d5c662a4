// The look rules of the Tarnolet 3's face: which reel cells are dark, which lamps are lit, what
// the bonus-game digit and the meters read, and how the bet button looks.
#include "presentation/faces/no3_rules.h"

#include "machine/pay_lines.h"
#include "presentation/game_description.h"
#include "base/tick_counters.h"

namespace {

int CellBit(int reel, int row) { return 1 << (3 * reel + row); }

int LineCells(int line) {
  int cells = 0;
  for (int reel = 0; reel < kReelCount; ++reel) cells |= CellBit(reel, RowOf(line, reel));
  return cells;
}

}  // namespace

int No3DarkReelCells(const MachineRecord& m, int /*index*/) {
  int cells = 0;
  if (m.jacWins > 0) {
    // The window's edges beyond the three rows go dark with the reels.
    cells |= kDarkWindows;
    for (int reel = 0; reel < kReelCount; ++reel)
      cells |= CellBit(reel, RowTop) | CellBit(reel, RowBottom);
  }
  if (m.litLines != 0 && Blink128 != 0) {
    // Only the five line bits mean lines; anything else in the field is not a cell.
    for (int line : kLineOrder)
      if (m.litLines & line) cells |= LineCells(line);
  }
  return cells;
}

int No3StartLampLook(const MachineRecord& m, int /*index*/) {
  return Blink128 != 0 && No3BetPlaced(m) ? 1 : 0;
}

int No3BonusGameDigit(const MachineRecord& m, int /*index*/) {
  if (m.jacWins >= 1 && m.jacWins <= 9) return m.jacWins;
  if (m.jacWins == -1) return 0;
  // The lined-up marker and a stage not begun show nothing; one digit cannot show more
  // than 9 wins, so a larger count shows nothing rather than a wrong figure.
  return kNo3BlankGlyph;
}

int No3StageLampLook(const MachineRecord& m, int lamp) {
  if (lamp < 0 || lamp > 2) return -1;
  return Blink128 != 0 && lamp < m.jacStage ? lamp + 3 : lamp;
}

int No3MeterGlyph(const MachineRecord& m, int index) {
  // Two digits are all a meter has; a value out of their range shows its nearest end.
  auto clamp = [](int v) { return v < 0 ? 0 : v > 99 ? 99 : v; };
  int value = clamp(index < 2 ? m.credit : m.paidThisGame);
  return index % 2 == 0 ? value / 10 : value % 10;
}

int No3WinMeterLook(const MachineRecord& m, int /*index*/) { return m.litLines != 0 ? 1 : 0; }

int No3BetButtonLook(const MachineRecord& m, int held) {
  bool lit = Blink128 != 0 && m.credit > 0 && m.state < StateLeverPulled;
  return (lit ? 2 : 0) + (held ? 1 : 0);
}

bool No3BetPlaced(const MachineRecord& m) { return m.state == StateBetting; }

bool No3LeverJustPulled(const MachineRecord& m) {
  return m.state == StateLeverPulled || m.state == StateReelsStarting;
}
