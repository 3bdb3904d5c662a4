// The Orlido 2's face for known machine states: which reel rows show, which lamps are lit or
// blink, what the displays read, and which parts redraw on their own.
#include <gtest/gtest.h>

#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "presentation/faces/face_rules.h"
#include "presentation/game_description.h"
#include "base/tick_counters.h"

namespace {

class FaceLooks : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectMachine(kMachineNo1);
    ResetTickCounters();
    m = MachineRecord{};
  }
  // Strip index shown in a window row (0 top) for a reel position, as the window reads it.
  static const GameDescription& Game() { return *GameDescriptionOf(1); }
  static int ReelSourceY(int reelPos) { return ::ReelSourceY(Game(), reelPos); }
  static int RowIndex(int reelPos, int row) {
    int top = ReelSourceY(reelPos) + Game().reels.rowsAbove;
    return (top / Game().symbolHeight + row) % 21;
  }
  MachineRecord m;
};

TEST_F(FaceLooks, ReelWindowShowsTheStripRowsOfThePosition) {
  // After a full reset: index 20 on top, 0 in the middle, 1 at the bottom.
  EXPECT_EQ(RowIndex(720, 0), 20);
  EXPECT_EQ(RowIndex(720, 1), 0);
  EXPECT_EQ(RowIndex(720, 2), 1);
  // Positions that show the same symbols one turn apart draw the same rows of the strip
  // picture's symbols; 0 and 756, 792 and 36.
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(RowIndex(0, row), RowIndex(756, row));
    EXPECT_EQ(RowIndex(792, row), RowIndex(36, row));
  }
  EXPECT_EQ(ReelSourceY(0), ReelSourceY(756));
  // A turning reel is copied straight, and no position of any kind reads past the strip.
  EXPECT_EQ(ReelSourceY(37), 27);
  EXPECT_EQ(ReelSourceY(792), 782);
  for (int pos = -2000; pos <= 3000; ++pos) {
    int y = ReelSourceY(pos);
    ASSERT_GE(y, 0) << pos;
    ASSERT_LE(y + Game().reels.h, kReelStripSymbols * Game().symbolHeight) << pos;
    ASSERT_EQ((y + Game().reels.rowsAbove) % Game().symbolHeight,
              ((pos % 36) + 36) % 36) << pos;
  }
}

TEST_F(FaceLooks, BetLineLampsShowTheBetOrFlashTheWinningLines) {
  auto lit = [&] {
    int bits = 0;
    for (int i = 0; i < 5; ++i) bits |= LineLampLit(m, i) ? 1 << i : 0;
    return bits;
  };
  m.bet = 0;
  EXPECT_EQ(lit(), 0);
  m.bet = 1;
  EXPECT_EQ(lit(), 4);   // the middle line
  m.bet = 2;
  EXPECT_EQ(lit(), 2 | 4 | 8);  // top, middle, bottom; not the diagonals
  m.bet = 3;
  EXPECT_EQ(lit(), 31);
  // Winning lines flash together and the bet no longer shows.
  m.litLines = 4 + 16;
  Blink128 = 1;
  EXPECT_EQ(lit(), 4 + 16);
  Blink128 = 0;
  EXPECT_EQ(lit(), 0);
}

TEST_F(FaceLooks, StopLampsLightOnlyForReelsThatMayStillStop) {
  m.state = StateReelsSpinning;
  m.reelState[0] = 1;
  m.reelState[1] = 0;  // already stopped
  m.reelState[2] = 1;
  EXPECT_TRUE(StopLampLit(m, 0));
  EXPECT_FALSE(StopLampLit(m, 1));
  EXPECT_TRUE(StopLampLit(m, 2));
  m.reelState[2] = kMarker;  // its stop was asked for
  EXPECT_FALSE(StopLampLit(m, 2));
  // Turning up to speed is not yet the time to stop.
  m.state = StateReelsStarting;
  EXPECT_FALSE(StopLampLit(m, 0));
}

TEST_F(FaceLooks, MedalsLampBlinksWhileTheMachineWaitsForMedals) {
  for (int state = StateIdle; state <= StateGameOver; ++state) {
    m.state = state;
    Blink128 = 1;
    EXPECT_EQ(MedalLampLit(m), state <= StateBetting) << state;
    Blink128 = 0;
    EXPECT_FALSE(MedalLampLit(m)) << state;
  }
}

TEST_F(FaceLooks, BonusLampsCountTheStagesAndBlinkTheCurrentOne) {
  auto lit = [&] {
    int bits = 0;
    for (int k = 0; k < 3; ++k) bits |= BonusLampLit(m, k) ? 1 << k : 0;
    return bits;
  };
  // Stage 2 finished: the bottom two lamps (numbers 1 and 2) lit, the top one not.
  m.jacStage = 2;
  m.jacWins = 0;
  EXPECT_EQ(lit(), 2 | 4);
  // Stage 2 still has wins to give: its lamp blinks with Blink256 ...
  m.jacWins = 5;
  Blink256 = 0;
  EXPECT_EQ(lit(), 4);
  Blink256 = 1;
  EXPECT_EQ(lit(), 2 | 4);
  // ... or, in a single bonus's JAC game, with the faster Blink64.
  m.singleBonus = kMarker;
  Blink256 = 0;
  Blink64 = 1;
  EXPECT_EQ(lit(), 2 | 4);
  Blink64 = 0;
  Blink256 = 1;
  EXPECT_EQ(lit(), 4);
  m.jacStage = 0;
  EXPECT_EQ(lit(), 0);
}

TEST_F(FaceLooks, BigChanceLampIncludesABonusLinedUpAndNotStarted) {
  EXPECT_FALSE(BigChanceLampLit(m));
  m.bigGames = kMarker;
  EXPECT_TRUE(BigChanceLampLit(m));
  m.bigGames = 12;
  EXPECT_TRUE(BigChanceLampLit(m));
}

TEST_F(FaceLooks, DisplaysShowTwoDigitsAndThePointBetweenGames) {
  m.state = StateGameOver;
  m.paidThisGame = 8;
  m.credit = 50;
  FaceDigits d = FaceDigitsOf(m);
  EXPECT_EQ(d.payTens, 0);
  EXPECT_EQ(d.payUnits, 8);
  EXPECT_TRUE(d.payPoint);
  EXPECT_EQ(d.creditTens, 5);
  EXPECT_EQ(d.creditUnits, 0);
  m.state = StatePayingOut;
  EXPECT_FALSE(FaceDigitsOf(m).payPoint);
  m.state = StateIdle;
  EXPECT_TRUE(FaceDigitsOf(m).payPoint);
  // Nothing beyond the glyph strip is ever chosen.
  m.paidThisGame = -3;
  m.credit = 123;
  d = FaceDigitsOf(m);
  EXPECT_EQ(d.payTens * 10 + d.payUnits, 0);
  EXPECT_EQ(d.creditTens * 10 + d.creditUnits, 99);
  // The point is a glyph of its own ORed over the units, and only between games.
  m.state = StateGameOver;
  EXPECT_EQ(No1DigitGlyph(m, 2), 11);
  m.state = StatePayingOut;
  EXPECT_EQ(No1DigitGlyph(m, 2), -1);
}

TEST_F(FaceLooks, WaitLampOnlyWhileTheLeverWaits) {
  for (int state = StateIdle; state <= StateGameOver; ++state) {
    m.state = state;
    EXPECT_EQ(WaitLampOn(m), state == StateLeverPulled) << state;
  }
}

TEST_F(FaceLooks, BlinkingPartsRedrawOnTheirWraps) {
  m.state = StateBetting;
  m.litLines = 2;
  m.jacStage = 1;
  int seen64 = 0, seen128 = 0;
  for (int tick = 1; tick <= 16; ++tick) {
    AdvanceTickCounters();
    int bits = TickMarkBits(Game(), m, nullptr);
    EXPECT_EQ((bits & RedrawBonusLamps) != 0, Phase64 == 0) << tick;
    EXPECT_EQ((bits & (RedrawMedalLamp | RedrawLineLamps)) != 0, Phase128 == 0) << tick;
    seen64 += (bits & RedrawBonusLamps) != 0;
    seen128 += (bits & RedrawMedalLamp) != 0;
  }
  EXPECT_EQ(seen64, 4);
  EXPECT_EQ(seen128, 2);
  // Turning reels without a stage or winning lines: nothing blinks.
  m = MachineRecord{};
  m.state = StateReelsSpinning;
  while (Phase128 != 0) AdvanceTickCounters();
  EXPECT_EQ(TickMarkBits(Game(), m, nullptr), 0);
}

}  // namespace
