// Game No.3's description as the engine walks it: the Tarnolet 3's sound branches heard through
// a recording player, and the parts its play screen marks for redrawing on the phase wraps.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/options.h"
#include "base/tick_counters.h"
#include "presentation/game_description.h"
#include "presentation/sound_dispatch.h"

namespace {

// The recording player: every (WAVE id, mode) asked of it, in order.
using Calls = std::vector<std::pair<int, int>>;
Calls calls;
void Record(int id, int mode) { calls.emplace_back(id, mode); }

class No3Description : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(GameDescriptionOf(3), nullptr);
    calls.clear();
    ResetTickCounters();
    SoundOn = 1;
    m = MachineRecord{};
  }
  const GameDescription& g() const { return *GameDescriptionOf(3); }
  Calls Dispatch(int request) {
    calls.clear();
    m.soundRequest = request;
    DispatchMachineSound(m, g().sound, Record);
    EXPECT_EQ(m.soundRequest, 0) << "request " << request << " left behind";
    return calls;
  }
  void ToPhaseWrap(int* phase) {
    do AdvanceTickCounters();
    while (*phase != 0);
  }
  void OffPhase512Wrap() {
    do AdvanceTickCounters();
    while (Phase512 == 0);
  }
  MachineRecord m;
};

TEST_F(No3Description, EffectsOfOrdinaryPlay) {
  for (int id : {704, 706, 707, 708}) EXPECT_EQ(Dispatch(id), (Calls{{id, WaveOnce}})) << id;
  // The late start and the last medal both stop what plays and loop.
  for (int id : {705, 709}) {
    EXPECT_EQ(Dispatch(id), (Calls{{0, WaveStop}, {id, WaveLoopUnlessBusy}})) << id;
  }
  EXPECT_EQ(Dispatch(703), (Calls{{703, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(kMarker), (Calls{{0, WaveStop}}));
  EXPECT_EQ(Dispatch(0), Calls{});
  EXPECT_EQ(Dispatch(701), Calls{});
  EXPECT_EQ(Dispatch(710), Calls{});
}

TEST_F(No3Description, BigBonusFanfareComesBeforeTheBonusTunes) {
  // The big bonus starts with 703 while its general games are already counted: it is heard,
  // and a playing fanfare keeps the tune from starting over it.
  m.bigGames = 30;
  OffPhase512Wrap();
  EXPECT_EQ(Dispatch(703), (Calls{{703, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(704), Calls{});
  ToPhaseWrap(&Phase512);
  EXPECT_EQ(Dispatch(0), (Calls{{701, WaveLoopUnlessBusy}}));
  m.jacWins = 6;  // a JAC stage inside the big bonus: its own tune
  ToPhaseWrap(&Phase512);
  EXPECT_EQ(Dispatch(0), (Calls{{702, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(703), (Calls{{703, WaveLoopUnlessBusy}}));
}

TEST_F(No3Description, JacTunePlaysInASingleBonusToo) {
  m.singleBonus = kMarker;
  m.jacWins = 1;
  ToPhaseWrap(&Phase512);
  EXPECT_EQ(Dispatch(0), (Calls{{702, WaveLoopUnlessBusy}}));
  OffPhase512Wrap();
  EXPECT_EQ(Dispatch(708), Calls{});  // only the tune during the stage
  m.jacWins = -1;                     // no wins left: effects again
  m.singleBonus = 0;
  EXPECT_EQ(Dispatch(708), (Calls{{708, WaveOnce}}));
}

TEST_F(No3Description, BlinkingPartsAndTheBetButtonAreMarkedOnTheirWraps) {
  bool invalidate = true;
  // Between wraps nothing is marked.
  m.jacStage = 2;
  m.litLines = 4;
  ToPhaseWrap(&Phase64);
  AdvanceTickCounters();
  EXPECT_EQ(TickMarkBits(g(), m, &invalidate), 0);
  EXPECT_FALSE(invalidate);

  // The START lamp and the bet button blink before the lever and are drawn again after it,
  // so that neither keeps a lit look through the game.
  struct Case { int state, litLines, bits; bool bet; } cases[] = {
      {StateIdle, 0, 8, true},             // MEDAL lamp, bet button
      {StateBetting, 0, 8 | 16, true},     // and the START lamp
      {StateLeverPulled, 0, 16, true},     // START lamp and bet button once more
      {StateReelsStarting, 0, 16, true},
      {StateReelsSpinning, 0, 0, false},
      {StateGameOver, 4, 2, false},        // the winning lines (lamps, then the reels)
      {StateBetting, 4, 8 | 16 | 2, true},
  };
  m.jacStage = 0;
  ToPhaseWrap(&Phase128);
  for (const Case& c : cases) {
    m.state = c.state;
    m.litLines = c.litLines;
    EXPECT_EQ(TickMarkBits(g(), m, &invalidate), c.bits) << "state " << c.state;
    EXPECT_EQ(invalidate, c.bet) << "state " << c.state;
  }
  // The stage lamps blink twice as fast, at every Phase64 wrap.
  m.state = StateReelsSpinning;
  m.litLines = 0;
  m.jacStage = 1;
  int wraps64 = 0, wraps128 = 0;
  for (int tick = 0; tick < 64; ++tick) {
    AdvanceTickCounters();
    wraps128 += Phase128 == 0;
    if (Phase64 != 0) continue;
    ++wraps64;
    EXPECT_EQ(TickMarkBits(g(), m, nullptr), 32) << "tick " << tick;
  }
  EXPECT_EQ(wraps64, 2 * wraps128);
}

TEST_F(No3Description, TheLinesBlinkRedrawsTheReelsWithTheirDarkCells) {
  // Otherwise the winning cells would keep the look of the last full redraw of the reels.
  bool reels = false;
  for (int i = 0; i < g().partCount; ++i) {
    const PartSpec& p = g().parts[i];
    reels = reels || (p.bit == 2 && p.drawer == PartDrawer::Reels && p.darkStrip >= 0);
  }
  EXPECT_TRUE(reels);
}

}  // namespace
