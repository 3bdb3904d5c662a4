// The sound dispatch with a recording player: what each request plays in each bonus state, the
// tunes on the Phase512 wraps, the Sound option, and that every request is consumed.
#include <gtest/gtest.h>

#include <vector>

#include "presentation/sound_dispatch.h"
#include "base/options.h"
#include "base/tick_counters.h"
#include "tests/presentation/recording_player.h"

namespace {

using namespace recording_player;

class SoundDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    ResetTickCounters();
    SoundOn = 1;
    m = MachineRecord{};
  }
  // One dispatch of a request; returns what was played.
  std::vector<Call> Dispatch(int request) {
    calls.clear();
    m.soundRequest = request;
    DispatchMachineSound(m, Record);
    EXPECT_EQ(m.soundRequest, 0) << "request " << request << " left behind";
    return calls;
  }
  void ToPhase512Wrap() {
    do AdvanceTickCounters();
    while (Phase512 != 0);
  }
  void OffPhase512Wrap() {
    do AdvanceTickCounters();
    while (Phase512 == 0);
  }
  MachineRecord m;
};


TEST_F(SoundDispatch, EffectsOfOrdinaryPlay) {
  for (int id : {WaveSingleLinedUp, WaveMedalBet, WaveReelStart, WaveReelRest, WaveMedalPaid,
                 WaveLastMedal}) {
    EXPECT_EQ(Dispatch(id), (Calls{{id, WaveOnce}})) << id;
  }
  // The late start stops whatever plays and buzzes until something replaces it.
  EXPECT_EQ(Dispatch(WaveLateStart), (Calls{{0, WaveStop}, {WaveLateStart, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(kMarker), (Calls{{0, WaveStop}}));
  // Nothing asked, or nothing this machine knows: silence.
  EXPECT_EQ(Dispatch(0), Calls{});
  EXPECT_EQ(Dispatch(WaveBigBonusTune), Calls{});
  EXPECT_EQ(Dispatch(710), Calls{});
}

TEST_F(SoundDispatch, SoundOffDropsEveryRequest) {
  SoundOn = 0;
  EXPECT_EQ(Dispatch(WaveReelStart), Calls{});
  EXPECT_EQ(Dispatch(kMarker), Calls{});
  // Switched on again, the old request is gone.
  SoundOn = 1;
  calls.clear();
  DispatchMachineSound(m, Record);
  EXPECT_TRUE(calls.empty());
}

TEST_F(SoundDispatch, JacStageHearsOnlyItsTuneOnPhase512Wraps) {
  m.jacWins = 6;
  m.bigGames = 20;  // a JAC stage inside a big bonus: the JAC tune wins
  OffPhase512Wrap();
  for (int id : {+WaveMedalBet, +WaveReelStart, +WaveReelRest, +WaveMedalPaid, +WaveLastMedal, 0}) {
    EXPECT_EQ(Dispatch(id), Calls{}) << id;
  }
  ToPhase512Wrap();
  EXPECT_EQ(Dispatch(WaveMedalPaid), (Calls{{WaveJacTune, WaveLoopUnlessBusy}}));
  // The stop at a stage's start still comes first; the tune follows on the next wrap.
  EXPECT_EQ(Dispatch(kMarker), (Calls{{0, WaveStop}}));
}

TEST_F(SoundDispatch, BigBonusHearsItsTuneAndDropsTheLateStartBuzz) {
  m.bigGames = 30;
  OffPhase512Wrap();
  EXPECT_EQ(Dispatch(WaveLateStart), Calls{});
  EXPECT_EQ(Dispatch(WaveReelStart), Calls{});
  ToPhase512Wrap();
  EXPECT_EQ(Dispatch(0), (Calls{{WaveBigBonusTune, WaveLoopUnlessBusy}}));
  // A big bonus lined up but not yet paid plays the effects as usual.
  m.bigGames = kMarker;
  EXPECT_EQ(Dispatch(WaveReelRest), (Calls{{WaveReelRest, WaveOnce}}));
}

TEST_F(SoundDispatch, SingleBonusJacGamePaysSilently) {
  m.singleBonus = kMarker;
  m.jacWins = 1;
  ToPhase512Wrap();
  // No tune for a single bonus; bet, start and stops are heard, the pay-out is not.
  EXPECT_EQ(Dispatch(WaveMedalBet), (Calls{{WaveMedalBet, WaveOnce}}));
  EXPECT_EQ(Dispatch(WaveReelStart), (Calls{{WaveReelStart, WaveOnce}}));
  EXPECT_EQ(Dispatch(WaveReelRest), (Calls{{WaveReelRest, WaveOnce}}));
  EXPECT_EQ(Dispatch(WaveMedalPaid), Calls{});
  EXPECT_EQ(Dispatch(WaveLastMedal), Calls{});
}

}  // namespace
