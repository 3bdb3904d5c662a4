// The Vexamira and Brakolo faces' rules for known machine states: the top picture in a bonus,
// the bonus counter's choice, blank tens, the waiting animation, the gauge, the hall band, and
// the two games' descriptions as they use them (full paint, gauge size, sound branches).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/options.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"
#include "hall/player_slot.h"
#include "presentation/faces/no2_rules.h"
#include "presentation/game_description.h"
#include "presentation/sound_dispatch.h"
#include "tests/presentation/recording_player.h"

namespace {

using namespace no2_face;

class No2Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
    m = MachineRecord{};
  }
  // A display as it reads: ' ' for blank, '-' for a dash, else the figure.
  std::string Display(int tensPlace) {
    std::string s;
    for (int place : {tensPlace, tensPlace + 1}) {
      int g = No2DisplayGlyph(m, place);
      s += g == kBlankGlyph ? ' ' : g == kDashGlyph ? '-' : g >= 0 && g <= 9 ? char('0' + g) : '?';
    }
    return s;
  }
  MachineRecord m;
};

TEST_F(No2Rules, TopPictureFlashesOnlyWhileABonusIsPlayed) {
  Blink128 = 1;
  EXPECT_EQ(No2TopPictureLook(m, 0), 0);
  m.bigGames = 30;
  EXPECT_EQ(No2TopPictureLook(m, 0), 1);
  Blink128 = 0;
  EXPECT_EQ(No2TopPictureLook(m, 0), 0);
  // A JAC stage alone (a regular bonus) flashes it too.
  Blink128 = 1;
  m.bigGames = 0;
  m.jacWins = 6;
  EXPECT_EQ(No2TopPictureLook(m, 0), 1);
  // Lined up and not yet paid, or a stage running out, is not yet or no longer a bonus.
  m.jacWins = kMarker;
  EXPECT_EQ(No2TopPictureLook(m, 0), 0);
  m.jacWins = -1;
  EXPECT_EQ(No2TopPictureLook(m, 0), 0);
  m.jacWins = 0;
  m.bigGames = kMarker;
  EXPECT_EQ(No2TopPictureLook(m, 0), 0);
  // The tick marks the picture exactly when the rule may light it.
  EXPECT_FALSE(No2BonusRunning(m));
  m.bigGames = 1;
  EXPECT_TRUE(No2BonusRunning(m));
}

TEST_F(No2Rules, BonusCounterShowsJacWinsThenBigGamesThenDashes) {
  EXPECT_EQ(Display(BonusTens), "--");
  m.bigGames = 25;
  EXPECT_EQ(Display(BonusTens), "25");
  m.bigGames = 10;
  EXPECT_EQ(Display(BonusTens), "10");  // a units 0 shows; only the tens blank
  // A JAC stage inside the big bonus counts its wins instead of the general games.
  m.jacWins = 6;
  EXPECT_EQ(Display(BonusTens), " 6");
  // The stage running out (-1) gives the count back to the big bonus.
  m.jacWins = -1;
  EXPECT_EQ(Display(BonusTens), "10");
  // Bonuses lined up but not started are no counts.
  m.jacWins = kMarker;
  m.bigGames = kMarker;
  EXPECT_EQ(Display(BonusTens), "--");
  m.bigGames = 0;
  m.jacWins = 1;
  EXPECT_EQ(Display(BonusTens), " 1");
}

TEST_F(No2Rules, CreditAndPayoutBlankTheirZeroTens) {
  EXPECT_EQ(Display(CreditTens), " 0");
  EXPECT_EQ(Display(PayoutTens), " 0");
  m.credit = 7;
  m.paidThisGame = 15;
  EXPECT_EQ(Display(CreditTens), " 7");
  EXPECT_EQ(Display(PayoutTens), "15");
  m.credit = 50;
  m.paidThisGame = 10;
  EXPECT_EQ(Display(CreditTens), "50");
  EXPECT_EQ(Display(PayoutTens), "10");
  // A record out of range shows the display's nearest end rather than a wrong glyph.
  m.credit = 123;
  m.paidThisGame = -4;
  EXPECT_EQ(Display(CreditTens), "99");
  EXPECT_EQ(Display(PayoutTens), " 0");
  EXPECT_EQ(No2DisplayGlyph(m, 6), -1);
}

TEST_F(No2Rules, WaitingAnimationStepsOneFrameASlowTickOnBothDigits) {
  const int expected[][2] = {{0, 12}, {1, 13}, {7, 19}, {8, 12}, {13, 17}, {1024, 12}};
  for (const auto& e : expected) {
    m.spinWait = e[0];
    EXPECT_EQ(No2PayoutAnimationGlyph(m, 0), e[1]) << "spinWait " << e[0];
    EXPECT_EQ(No2PayoutAnimationGlyph(m, 1), e[1]) << "spinWait " << e[0];
  }
  m.spinWait = -3;  // never below the strip's animation glyphs
  EXPECT_GE(No2PayoutAnimationGlyph(m, 0), kFirstAnimationGlyph);
  EXPECT_LT(No2PayoutAnimationGlyph(m, 0), kFirstAnimationGlyph + kAnimationFrames);
}

TEST_F(No2Rules, GaugeFillsAStepPerSlowTickAndIsWholeFrom29) {
  m.state = StateReelsSpinning;
  const int expected[][2] = {{0, 0}, {1, 4}, {28, 112}, {29, 116}, {58, 116}, {1024, 116}};
  for (const auto& e : expected) {
    m.spinWait = e[0];
    EXPECT_EQ(No2GaugeLitRows(m, 0), e[1]) << "spinWait " << e[0];
  }
  // A height that is no multiple of the steps: whole steps, and the rest only when whole.
  m.spinWait = 28;
  EXPECT_EQ(No2GaugeRows(m, 100), 84);
  m.spinWait = 29;
  EXPECT_EQ(No2GaugeRows(m, 100), 100);
  // A gauge lower than the steps stays dark until it is whole.
  m.spinWait = 28;
  EXPECT_EQ(No2GaugeRows(m, 20), 0);
}

TEST_F(No2Rules, GaugeBlinksWhileTheLeverWaits) {
  m.state = StateLeverPulled;
  m.spinWait = 12;
  Blink64 = 0;
  EXPECT_LT(No2GaugeLitRows(m, 0), 0);
  Blink64 = 1;
  EXPECT_EQ(No2GaugeLitRows(m, 0), 48);
  // Only state 2 blinks: spinning, the blink flag changes nothing.
  m.state = StateReelsStarting;
  Blink64 = 0;
  EXPECT_EQ(No2GaugeLitRows(m, 0), 48);
}

TEST_F(No2Rules, HallBandShowsWhoSitsAndFlashesInABonus) {
  EXPECT_EQ(No2HallBandLook(m, 0), 0);
  m.occupant = OccupantCustomer;
  EXPECT_EQ(No2HallBandLook(m, 0), 2);
  // P2 at the machine, then looking at the hall: the band is that of an empty machine.
  m.occupant = OccupantFirstPlayer + 1;
  PlayerSlots[1].screen = ScreenPlay;
  EXPECT_EQ(No2HallBandLook(m, 0), 2);
  PlayerSlots[1].screen = ScreenHallAway;
  EXPECT_EQ(No2HallBandLook(m, 0), 0);
  Blink128 = 1;
  m.bigGames = 12;
  EXPECT_EQ(No2HallBandLook(m, 0), 1);
  PlayerSlots[1].screen = ScreenPlay;
  EXPECT_EQ(No2HallBandLook(m, 0), 3);
  Blink128 = 0;
  EXPECT_EQ(No2HallBandLook(m, 0), 2);
  // Any JAC stage value flashes the band, even a stage lined up or running out; a big bonus
  // only once it runs.
  Blink128 = 1;
  m.bigGames = kMarker;
  EXPECT_EQ(No2HallBandLook(m, 0), 2);
  m.jacWins = -1;
  EXPECT_EQ(No2HallBandLook(m, 0), 3);
  m.jacWins = kMarker;
  EXPECT_EQ(No2HallBandLook(m, 0), 3);
}

// Games No.2 and No.7 as their descriptions use these rules.
class No2Games : public ::testing::TestWithParam<int> {
 protected:
  const GameDescription& g() const { return *GameDescriptionOf(GetParam()); }
  const PartSpec* PartWith(LookRule rule) const {
    for (int i = 0; i < g().partCount; ++i) {
      if (g().parts[i].look == rule) return &g().parts[i];
    }
    return nullptr;
  }
};

TEST_P(No2Games, FullPaintLeavesOutTheTopPictureAndTheWaitingAnimation) {
  // Those two show the face's own look until the tick redraws them; everything else, the
  // displays with the payout among them, is painted from the machine.
  const PartSpec* top = PartWith(&No2TopPictureLook);
  const PartSpec* animation = PartWith(&No2PayoutAnimationGlyph);
  ASSERT_NE(top, nullptr);
  ASSERT_NE(animation, nullptr);
  EXPECT_EQ(g().fullPaintSkips, top->bit | animation->bit);
  for (int i = 0; i < g().partCount; ++i) {
    const PartSpec& part = g().parts[i];
    if (&part == top || &part == animation) continue;
    EXPECT_EQ(part.bit & g().fullPaintSkips, 0) << "part " << i << " (bit " << part.bit << ")";
  }
  // The animation is drawn after the displays, over the payout they show.
  const PartSpec* displays = PartWith(&No2DisplayGlyph);
  ASSERT_NE(displays, nullptr);
  EXPECT_LT(displays, animation);
}

TEST_P(No2Games, GaugeRuleFitsTheGaugeDrawn) {
  const PartSpec* gauge = PartWith(&No2GaugeLitRows);
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(gauge->drawer, PartDrawer::Gauge);
  EXPECT_EQ(g().strips[gauge->strip].h, kGaugeHeight) << "the rule counts rows of a gauge this high";
  EXPECT_EQ(kGaugeHeight % kGaugeSteps, 0) << "every step a whole number of rows";
}

using namespace recording_player;

TEST_P(No2Games, SoundBranches) {
  ResetTickCounters();
  SoundOn = 1;
  MachineRecord m{};
  auto dispatch = [&](int request) {
    calls.clear();
    m.soundRequest = request;
    DispatchMachineSound(m, g().sound, Record);
    EXPECT_EQ(m.soundRequest, 0);
    return calls;
  };
  // Ordinary play: every effect once, but the early lever's 706 stops what plays and loops.
  for (int id : {703, 704, 705, 707, 708, 709}) EXPECT_EQ(dispatch(id), (Calls{{id, WaveOnce}})) << id;
  EXPECT_EQ(dispatch(706), (Calls{{0, WaveStop}, {706, WaveLoopUnlessBusy}}));
  EXPECT_EQ(dispatch(kMarker), (Calls{{0, WaveStop}}));
  EXPECT_EQ(dispatch(710), Calls{});
  // A big bonus lined up but not paid: 709 (a paid medal) is silent until bigGames is 0 again.
  m.bigGames = kMarker;
  EXPECT_EQ(dispatch(709), Calls{});
  EXPECT_EQ(dispatch(708), (Calls{{708, WaveOnce}}));
  // The JAC tune's branch counts the wins left alone, and plays on the Phase512 wraps.
  m.bigGames = 20;
  m.jacWins = 3;
  m.singleBonus = kMarker;
  do AdvanceTickCounters();
  while (Phase512 != 0);
  EXPECT_EQ(dispatch(704), (Calls{{702, WaveLoopUnlessBusy}}));
  AdvanceTickCounters();
  EXPECT_EQ(dispatch(704), Calls{});
  // The stage running out (-1) leaves the big bonus's tune.
  m.jacWins = -1;
  do AdvanceTickCounters();
  while (Phase512 != 0);
  EXPECT_EQ(dispatch(707), (Calls{{701, WaveLoopUnlessBusy}}));
}

INSTANTIATE_TEST_SUITE_P(Games, No2Games, ::testing::Values(2, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "No" + std::to_string(info.param);
                         });

}  // namespace
