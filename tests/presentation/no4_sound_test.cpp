// The Pembrix 7's sound branch table walked with a recording player: the bet and the stage
// sounds that cut in before the bonus tunes, the JAC tune from the line-up, and the effects.
#include <gtest/gtest.h>

#include <vector>

#include "base/options.h"
#include "base/tick_counters.h"
#include "presentation/game_description.h"
#include "presentation/sound_dispatch.h"
#include "tests/presentation/recording_player.h"

namespace {

using namespace recording_player;

class No4Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(GameDescriptionOf(4), nullptr) << "game No.4 is not described in this build";
    ResetTickCounters();
    SoundOn = 1;
    m = MachineRecord{};
  }
  Calls Dispatch(int request) {
    calls.clear();
    m.soundRequest = request;
    DispatchMachineSound(m, GameDescriptionOf(4)->sound, Record);
    EXPECT_EQ(m.soundRequest, 0) << "request " << request << " left behind";
    return calls;
  }
  void ToPhase512Wrap() {
    do AdvanceTickCounters();
    while (Phase512 != 0);
  }
  MachineRecord m;
};

TEST_F(No4Sound, OrdinaryPlay) {
  for (int id : {703, 704}) {
    EXPECT_EQ(Dispatch(id), (Calls{{0, WaveStop}, {id, WaveOnce}})) << id;
  }
  for (int id : {705, 706, 707, 708, 709, 710}) {
    EXPECT_EQ(Dispatch(id), (Calls{{id, WaveOnce}})) << id;
  }
  EXPECT_EQ(Dispatch(kMarker), (Calls{{0, WaveStop}}));
  for (int id : {0, 701, 702, 711}) EXPECT_EQ(Dispatch(id), Calls{}) << id;
}

TEST_F(No4Sound, BetAndStageSoundsCutThroughTheTunes) {
  ToPhase512Wrap();
  m.bigGames = 20;
  EXPECT_EQ(Dispatch(704), (Calls{{0, WaveStop}, {704, WaveOnce}}))
      << "a bet is heard in a big bonus, even on the tune's tick";
  m.bigGames = 0;
  m.jacWins = 4;
  EXPECT_EQ(Dispatch(703), (Calls{{0, WaveStop}, {703, WaveOnce}}));
  // The other effects are silent under a tune; the tune itself starts on the wraps only.
  EXPECT_EQ(Dispatch(707), (Calls{{702, WaveLoopUnlessBusy}}));
  AdvanceTickCounters();
  EXPECT_EQ(Dispatch(707), Calls{});
}

TEST_F(No4Sound, JacTuneFromTheLineUpUntilTheStageEnds) {
  ToPhase512Wrap();
  for (int wins : {kMarker, 6, 1}) {
    m.jacWins = wins;
    EXPECT_EQ(Dispatch(0), (Calls{{702, WaveLoopUnlessBusy}})) << "jacWins " << wins;
  }
  // The stage over: back to the big bonus's tune, or to the effects outside a bonus.
  m.jacWins = -1;
  m.bigGames = 12;
  EXPECT_EQ(Dispatch(0), (Calls{{701, WaveLoopUnlessBusy}}));
  m.bigGames = 0;
  m.jacWins = 0;
  EXPECT_EQ(Dispatch(708), (Calls{{708, WaveOnce}}));
}

TEST_F(No4Sound, SoundOffDropsEveryRequest) {
  SoundOn = 0;
  for (int id : {704, 706, kMarker}) EXPECT_EQ(Dispatch(id), Calls{}) << id;
}

}  // namespace
