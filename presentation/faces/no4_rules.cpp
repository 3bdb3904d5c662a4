// The look rules of the Pembrix 7's face and hall machine: the GAME OVER lamp, the small lamps
// of the lamp panel, the displays with their blank digits, the band, and the JAC tune's condition.
#include "presentation/faces/no4_rules.h"

#include "presentation/hall_looks.h"
#include "base/tick_counters.h"

namespace {

constexpr int kJacGameLamps = 6;
constexpr int kBetLamps = 3;
constexpr int kWaitLamps = 6;
// Slow ticks of spinWait per wait lamp, and the count past which the start lamp stays lit.
constexpr int kWaitTicksPerLamp = 4;
constexpr int kStartLampAfter = 27;

// Two digits are all a display has; a value out of their range shows its nearest end.
int TwoDigits(int value) { return value < 0 ? 0 : value > 99 ? 99 : value; }

}  // namespace

int No4GameOverLampLook(const MachineRecord& m, int) {
  return m.state == StateIdle || m.state == StateGameOver ? 1 : 0;
}

int No4FrameLampLook(const MachineRecord& m, int) {
  return Blink128 != 0 && m.jacWins > 0 ? No4PanelFrameLit : No4PanelFrameUnlit;
}

int No4JacGameLampLook(const MachineRecord& m, int index) {
  if (index < 0 || index >= kJacGameLamps) return -1;
  if (m.jacWins <= 0) return No4PanelGameUnlit;
  const int j = kJacGameLamps - index;  // 6 at the left down to 1 at the right
  const bool dark = (m.jacGames > 6 && m.jacGames >= j + 6) || (m.jacGames <= 6 && m.jacGames < j);
  return dark ? No4PanelGameUnlit : No4PanelGameLit;
}

int No4BetLampLook(const MachineRecord& m, int index) {
  if (index < 0 || index >= kBetLamps) return -1;
  return index < m.bet ? No4PanelFrameLit : No4PanelFrameUnlit;
}

int No4WaitLampLook(const MachineRecord& m, int index) {
  if (index < 0 || index >= kWaitLamps) return -1;
  return index < m.spinWait / kWaitTicksPerLamp ? No4PanelGameLit : No4PanelGameUnlit;
}

int No4StartLampLook(const MachineRecord& m, int) {
  const bool lit =
      m.spinWait > kStartLampAfter || (Blink128 != 0 && m.state == StateLeverPulled);
  return lit ? No4PanelStartLit : No4PanelStartUnlit;
}

int No4CreditGlyph(const MachineRecord& m, int index) {
  const int credit = TwoDigits(m.credit);
  if (index == 0) return credit < 10 ? kNo4BlankGlyph : kNo4CreditGlyphs + credit / 10;
  if (index == 1) return kNo4CreditGlyphs + credit % 10;
  return -1;
}

int No4PayoutGlyph(const MachineRecord& m, int index) {
  // A zero is blanked only where it leads: a payout of 10 reads 10, not a lone 1.
  const int paid = TwoDigits(m.paidThisGame);
  if (index == 0) return paid < 10 ? kNo4BlankGlyph : paid / 10;
  if (index == 1) return paid == 0 ? kNo4BlankGlyph : paid % 10;
  return -1;
}

int No4HallBandLook(const MachineRecord& m, int) {
  const int seated = HallStoolSeated(m) ? 2 : 0;
  const bool flashing = Blink128 != 0 && (m.bigGames > 0 || m.jacWins != 0);
  return seated + (flashing ? 1 : 0);
}

bool No4JacTuneWanted(const MachineRecord& m) { return m.jacWins > 0 || m.jacWins == kMarker; }
