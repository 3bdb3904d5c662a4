// Machine resets in their fixed order. The idle display asks the machine's own stop control
// where the reels of a game without role would stop, so an empty seat never shows a win.
#include "machine/machine_reset.h"

#include "machine/game_random.h"
#include "machine/machine_model.h"
#include "machine/reel_geometry.h"

namespace {

// Stops the three reels in turn as stop control would for a game without role. The reels are
// judged in ordinary play: the bonus state is cleared right after, so that is what is shown.
void AdjustIdleDisplay(const MachineModel& model, MachineRecord& m) {
  MachineRecord probe = m;
  probe.roleFlags = 0;
  probe.jacWins = 0;
  probe.bigGames = 0;
  probe.singleBonus = 0;
  const int u = model.symbolHeight;
  for (int reel = 0; reel < kReelCount; ++reel) {
    for (int r = 0; r < kReelCount; ++r) probe.reelState[r] = r < reel ? 0 : r == reel ? kMarker : 1;
    int p = m.reelPos[reel] / u;
    int n = model.stopControl(model, probe, reel);
    m.reelPos[reel] = u * Mod21(p - n);
    probe.reelPos[reel] = m.reelPos[reel];
  }
}

}  // namespace

void ResetMachine(MachineRecord& m, int type) {
  const MachineModel& model = ActiveMachine();
  m.occupant = 0;
  m.autoPlay = 0;
  m.reelRestMark = 0;
  m.reserved5 = 0;
  m.pendingNotice = 0;
  m.stopOrder = 0;
  m.redrawFlags = 0;
  m.soundRequest = 0;
  m.credit = 0;
  m.boxStacks = 0;
  m.boxes = 0;
  m.medals = 0;
  if (type < ResetFull || type > ResetIdleDisplay || type == ResetVacate) return;

  if (type == ResetIdleDisplay) {
    m.bet = 1 + GameRand() % 3;
    for (int reel = 0; reel < kReelCount; ++reel) {
      m.reelPos[reel] = model.symbolHeight * (GameRand() % kStripLength);
    }
    AdjustIdleDisplay(model, m);
  }

  for (int reel = 0; reel < kReelCount; ++reel) m.reelState[reel] = 0;
  m.roleFlags = 0;
  m.state = StateIdle;
  m.litLines = 0;
  m.targetLine = 0;
  m.targetSymbol = 0;
  m.bigGames = 0;
  m.jacWins = 0;
  m.singleBonus = 0;
  m.jacGames = 0;
  m.payoutPending = 0;
  m.bigNet = 0;
  m.jacStage = 0;
  m.paidThisGame = 0;
  m.spinWait = 1024;
  m.stateTimer = 1024;
  if (type == ResetIdleDisplay) return;

  m.streakMode = 0;
  m.gamesSinceBig = 0;
  m.bet = 0;
  m.jacSequence = 0;
  for (int reel = 0; reel < kReelCount; ++reel) m.reelPos[reel] = ReelHomePosition(model.symbolHeight);
  if (type != ResetFull) return;

  for (int day = 0; day < 3; ++day) m.bigCountDay[day] = 0;
  m.setting = 2;
  m.bigStock = 0;
  m.highModeCount = 0;
}
