// The Sulvano's sound branch table with a recording player: its effects, the buzz of the early
// lever, the tunes of its bonuses, and the effects kept silent while a big bonus is lined up.
#include <gtest/gtest.h>

#include <vector>

#include "base/options.h"
#include "base/tick_counters.h"
#include "presentation/game_description.h"
#include "presentation/sound_dispatch.h"
#include "tests/presentation/recording_player.h"

namespace {

// The Sulvano's WAVE resources, as its machine asks for them.
enum No5Wave {
  BigTune = 701,
  JacTune = 702,
  MedalBet = 703,
  EarlyLever = 704,
  ReelStart = 705,
  ReelRest = 706,
};

using namespace recording_player;

class No5Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    SoundOn = 1;
    m = MachineRecord{};
    ASSERT_NE(GameDescriptionOf(5), nullptr);
  }
  // One dispatch of a request on a tick where Phase512 does or does not wrap.
  Calls Dispatch(int request, bool onWrap = false) {
    do AdvanceTickCounters();
    while ((Phase512 == 0) != onWrap);
    calls.clear();
    m.soundRequest = request;
    DispatchMachineSound(m, GameDescriptionOf(5)->sound, Record);
    EXPECT_EQ(m.soundRequest, 0) << "request " << request << " left behind";
    return calls;
  }
  MachineRecord m;
};

TEST_F(No5Sound, OrdinaryPlayHearsEveryEffect) {
  for (int id : {MedalBet, ReelStart, ReelRest}) {
    EXPECT_EQ(Dispatch(id), (Calls{{id, WaveOnce}})) << id;
  }
  // The lever pulled too early stops whatever plays and buzzes until the reels start.
  EXPECT_EQ(Dispatch(EarlyLever), (Calls{{0, WaveStop}, {EarlyLever, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(kMarker), (Calls{{0, WaveStop}}));
  for (int id : {0, +BigTune, +JacTune, 707, 708, 709}) EXPECT_EQ(Dispatch(id), Calls{}) << id;
  // A stage running out after its last win is ordinary play again: its reels are heard.
  m.jacWins = -1;
  EXPECT_EQ(Dispatch(ReelRest), (Calls{{ReelRest, WaveOnce}}));
}

TEST_F(No5Sound, JacTuneFollowsTheWinsLeftWhateverTableTheMachineKeeps) {
  // The machine keeps the number of its stop table where other machines keep the single bonus;
  // the JAC tune must not take it for one.
  m.jacWins = 6;
  m.singleBonus = 4;
  EXPECT_EQ(Dispatch(ReelRest, true), (Calls{{JacTune, WaveLoopUnlessBusy}}));
  for (int id : {+MedalBet, +EarlyLever, +ReelStart, +ReelRest}) {
    EXPECT_EQ(Dispatch(id), Calls{}) << id;
  }
  // Inside a big bonus a stage hears the JAC tune; between its stages the big bonus tune.
  m.bigGames = 20;
  EXPECT_EQ(Dispatch(0, true), (Calls{{JacTune, WaveLoopUnlessBusy}}));
  m.jacWins = 0;
  EXPECT_EQ(Dispatch(0, true), (Calls{{BigTune, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(MedalBet), Calls{});
  // The stop that starts a stage comes before the tunes.
  EXPECT_EQ(Dispatch(kMarker, true), (Calls{{0, WaveStop}}));
}

TEST_F(No5Sound, ReelsAreSilentWhileABigBonusIsLinedUp) {
  // The big bonus lined up and not yet started: bets and the buzz are heard, the reels not.
  m.bigGames = kMarker;
  EXPECT_EQ(Dispatch(MedalBet), (Calls{{MedalBet, WaveOnce}}));
  EXPECT_EQ(Dispatch(EarlyLever), (Calls{{0, WaveStop}, {EarlyLever, WaveLoopUnlessBusy}}));
  EXPECT_EQ(Dispatch(ReelStart), Calls{});
  EXPECT_EQ(Dispatch(ReelRest), Calls{});
}

}  // namespace
