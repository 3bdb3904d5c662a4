// The best-moment player looks ahead through every moment of every reel still turning. Each
// moment is tried on a copy of the machine from the same state of the random source, so the
// look-ahead of the reel stopped now sees exactly the draws its stop will make; the source is
// left as it was found.
#include "tools/slotsim/best_stops.h"

#include <cstring>

#include "machine/auto_operate.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "machine/reel_geometry.h"
#include "base/tick_counters.h"

namespace {

bool AnyStopPending(const MachineRecord& m) {
  return m.reelState[0] < 0 || m.reelState[1] < 0 || m.reelState[2] < 0;
}

// The reel automatic operation would stop next, or -1.
int NextReel(const MachineRecord& m) {
  int reel = ChooseNextControl(m) - ControlStop1;
  return reel >= 0 && reel < kReelCount && m.reelState[reel] > 0 ? reel : -1;
}

bool JacStopIsAGame(const MachineModel& model, const MachineRecord& m) {
  return model.cycle.jacPlayWithoutLever && m.jacWins > 0;
}

// The stop of a reel asked for with strip index `press` in its top row, as the reel resolves it
// at its symbol boundary. False when stop control lets the reel run on past this moment.
bool ResolveStop(const MachineModel& model, MachineRecord& m, int reel, int press) {
  const int u = model.symbolHeight;
  m.reelPos[reel] = u * press;
  m.reelState[reel] = kMarker;
  int n = model.stopControl(model, m, reel);
  if (n < 0) return false;
  m.reelState[reel] = 0;
  m.reelPos[reel] = u * Mod21(press - n);
  return true;
}

int Worth(const MachineModel& model, const MachineRecord& before, MachineRecord& m) {
  if (JacStopIsAGame(model, before)) return m.payoutPending;
  if (m.reelState[0] != 0 || m.reelState[1] != 0 || m.reelState[2] != 0) return -1;
  int paid = model.payout(model, m);
  bool bonus = (m.bigGames == kMarker && before.bigGames != kMarker) ||
               (m.jacWins == kMarker && before.jacWins != kMarker) ||
               (m.singleBonus == kMarker && before.singleBonus != kMarker);
  return paid + (bonus ? kBonusWorth : 0);
}

// The best worth reachable from m, stopping `reel` now and the rest at their best; the moment
// that reaches it in bestPress.
int Search(const MachineModel& model, const MachineRecord& m, int reel, const MachineRecord& start,
           int ceiling, int* bestPress) {
  const uint32_t entry = GameRandomState();
  int best = -1;
  MachineRecord seen[kStripLength];
  int distinct = 0;
  for (int press = 0; press < kStripLength && best < ceiling; ++press) {
    SeedGameRandom(entry);
    MachineRecord c = m;
    if (!ResolveStop(model, c, reel, press)) continue;
    bool repeat = false;
    for (int k = 0; k < distinct && !repeat; ++k) {
      repeat = seen[k].reelPos[reel] == c.reelPos[reel] && std::memcmp(&seen[k], &c, sizeof c) == 0;
    }
    if (repeat) continue;
    seen[distinct++] = c;
    int next = JacStopIsAGame(model, start) ? -1 : NextReel(c);
    int worth = next < 0 ? Worth(model, start, c) : Search(model, c, next, start, ceiling, nullptr);
    if (worth > best) {
      best = worth;
      if (bestPress != nullptr) *bestPress = press;
    }
  }
  SeedGameRandom(entry);
  return best;
}

// No game pays more than 15 medals, and only a JAC game without the lever can line up no
// bonus. The search ends once nothing better can come.
int Ceiling(const MachineModel& model, const MachineRecord& m) {
  return kMaxPayPerGame + (JacStopIsAGame(model, m) ? 0 : kBonusWorth);
}

}  // namespace

int BestPress(const MachineModel& model, const MachineRecord& m, int reel) {
  if (m.roleFlags == 0 && m.bigGames == 0 && m.jacWins == 0) return -1;
  int press = -1;
  Search(model, m, reel, m, Ceiling(model, m), &press);
  return press;
}

int BestWorth(const MachineModel& model, const MachineRecord& m) {
  int reel = NextReel(m);
  return reel < 0 ? -1 : Search(model, m, reel, m, Ceiling(model, m), nullptr);
}

int WorthOfMoments(const MachineModel& model, const MachineRecord& m, const int* moments) {
  const uint32_t entry = GameRandomState();
  MachineRecord c = m;
  int worth = -1;
  for (int k = 0, reel = NextReel(c); reel >= 0; ++k, reel = NextReel(c)) {
    if (!ResolveStop(model, c, reel, moments[k])) break;
    if (JacStopIsAGame(model, m) || NextReel(c) < 0) {
      worth = Worth(model, m, c);
      break;
    }
  }
  SeedGameRandom(entry);
  return worth;
}

void OperateAtBestMoments(MachineRecord& m) {
  const bool stopDue = Phase128 == 0 && Phase512 == 0 && m.state == StateReelsSpinning;
  int reel = stopDue && !AnyStopPending(m) ? NextReel(m) : -1;
  if (reel < 0) {
    AutoOperate(m);
    return;
  }
  const MachineModel& model = ActiveMachine();
  int press = BestPress(model, m, reel);
  if (press < 0) {
    AutoOperate(m);
    return;
  }
  // The reel reaches the boundary of that moment with this tick's step and stops there.
  const int u = model.symbolHeight;
  m.reelPos[reel] = u * (press == 0 ? kStripLength : press) + ReelStepPerTick(u, TickUnit);
  m.reelState[reel] = kMarker;
  m.redrawFlags |= RedrawStopLamps;
}
