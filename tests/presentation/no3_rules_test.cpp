// The Tarnolet 3's face rules for known machine states: which reel cells flash dark, what the
// bonus-game digit and the meters read, which lamps blink, and how the bet button looks.
#include <gtest/gtest.h>

#include <vector>

#include "presentation/faces/no3_rules.h"
#include "presentation/game_description.h"
#include "base/tick_counters.h"

namespace {

class No3Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    m = MachineRecord{};
  }
  // Cell (reel, row) as the reels part reads the mask.
  static int Cell(int reel, int row) { return 1 << (3 * reel + row); }
  static int Row(int row) { return Cell(0, row) | Cell(1, row) | Cell(2, row); }
  int Dark(int blink) {
    Blink128 = blink;
    return No3DarkReelCells(m, 0);
  }
  MachineRecord m;
};

TEST_F(No3Rules, WinningLinesFlashDarkInTheBlinksLitHalfOnly) {
  EXPECT_EQ(Dark(1), 0);  // nothing won: the reels stay bright
  m.litLines = 4;         // the middle line
  EXPECT_EQ(Dark(1), Row(1));
  EXPECT_EQ(Dark(0), 0);
  m.litLines = 2;  // the top line: the top cell of every reel, not a reel's column
  EXPECT_EQ(Dark(1), Cell(0, 0) | Cell(1, 0) | Cell(2, 0));
  m.litLines = 1 | 16;  // both diagonals cross in the centre cell
  EXPECT_EQ(Dark(1), Cell(0, 0) | Cell(1, 1) | Cell(2, 2) | Cell(0, 2) | Cell(2, 0));
  m.litLines = 1;  // falling: top left to bottom right
  EXPECT_EQ(Dark(1), Cell(0, 0) | Cell(1, 1) | Cell(2, 2));
  m.litLines = 31;
  EXPECT_EQ(Dark(1), 0x1FF);
  // Bits that are no line darken nothing more.
  m.litLines = 4 | 32 | 1024;
  EXPECT_EQ(Dark(1), Row(1));
}

TEST_F(No3Rules, JacPlayShowsDarkReelsWithABrightMiddleRow) {
  const int jacPlay = kDarkWindows | Row(0) | Row(2);
  for (int wins : {1, 6}) {
    m.jacWins = wins;
    EXPECT_EQ(Dark(0), jacPlay) << wins;
    EXPECT_EQ(Dark(1), jacPlay) << wins;
  }
  // A JAC win on the middle line flashes it dark too, so the whole window goes dark.
  m.litLines = 4;
  EXPECT_EQ(Dark(1), kDarkWindows | 0x1FF);
  EXPECT_EQ(Dark(0), jacPlay);
  // A stage lined up but not started, over (-1) or none: ordinary reels.
  m.litLines = 0;
  for (int wins : {kMarker, -1, 0}) {
    m.jacWins = wins;
    EXPECT_EQ(Dark(1), 0) << wins;
  }
}

TEST_F(No3Rules, BonusGameDigitShowsWinsLeftZeroAfterAStageAndBlankOtherwise) {
  struct Case { int jacWins, glyph; } cases[] = {
      {-1, 0}, {0, kNo3BlankGlyph}, {1, 1}, {6, 6}, {9, 9}, {10, kNo3BlankGlyph},
      {kMarker, kNo3BlankGlyph}, {-2, kNo3BlankGlyph},
  };
  for (const Case& c : cases) {
    m.jacWins = c.jacWins;
    EXPECT_EQ(No3BonusGameDigit(m, 0), c.glyph) << "jacWins " << c.jacWins;
  }
}

TEST_F(No3Rules, StageLampsBlinkForTheStagesReached) {
  auto looks = [&](int blink) {
    Blink128 = blink;
    return std::vector<int>{No3StageLampLook(m, 0), No3StageLampLook(m, 1), No3StageLampLook(m, 2)};
  };
  EXPECT_EQ(looks(1), (std::vector<int>{0, 1, 2}));  // no stage: all unlit
  m.jacStage = 2;
  EXPECT_EQ(looks(1), (std::vector<int>{3, 4, 2}));
  EXPECT_EQ(looks(0), (std::vector<int>{0, 1, 2}));
  m.jacStage = 3;  // a big bonus lights all three
  EXPECT_EQ(looks(1), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(No3StageLampLook(m, 3), -1);
}

TEST_F(No3Rules, StartLampBlinksOnlyWhileTheBetAwaitsTheLever) {
  for (int state = StateIdle; state <= StateGameOver; ++state) {
    m.state = state;
    Blink128 = 1;
    EXPECT_EQ(No3StartLampLook(m, 0), state == StateBetting ? 1 : 0) << state;
    EXPECT_EQ(No3BetPlaced(m), state == StateBetting) << state;
    EXPECT_EQ(No3LeverJustPulled(m), state == StateLeverPulled || state == StateReelsStarting) << state;
    Blink128 = 0;
    EXPECT_EQ(No3StartLampLook(m, 0), 0) << state;
  }
}

TEST_F(No3Rules, MetersShowCreditAndPayoutWithTheLabelLitWhileLinesWon) {
  m.credit = 7;
  m.paidThisGame = 15;
  EXPECT_EQ(No3MeterGlyph(m, 0), 0);  // a leading zero shows
  EXPECT_EQ(No3MeterGlyph(m, 1), 7);
  EXPECT_EQ(No3MeterGlyph(m, 2), 1);
  EXPECT_EQ(No3MeterGlyph(m, 3), 5);
  m.credit = 123;  // out of a meter's range: its nearest end
  m.paidThisGame = -4;
  EXPECT_EQ(No3MeterGlyph(m, 0) * 10 + No3MeterGlyph(m, 1), 99);
  EXPECT_EQ(No3MeterGlyph(m, 2) * 10 + No3MeterGlyph(m, 3), 0);

  Blink128 = 0;  // the label does not blink
  EXPECT_EQ(No3WinMeterLook(m, 0), 0);
  m.litLines = 8;
  EXPECT_EQ(No3WinMeterLook(m, 0), 1);
}

TEST_F(No3Rules, BetButtonBlinksWhileCreditedMedalsWaitAndShowsWhenHeld) {
  m.credit = 3;
  m.state = StateIdle;
  Blink128 = 1;
  EXPECT_EQ(No3BetButtonLook(m, 0), 2);
  EXPECT_EQ(No3BetButtonLook(m, 1), 3);
  m.state = StateBetting;
  EXPECT_EQ(No3BetButtonLook(m, 0), 2);
  Blink128 = 0;
  EXPECT_EQ(No3BetButtonLook(m, 0), 0);
  EXPECT_EQ(No3BetButtonLook(m, 1), 1);
  // No credit, or the game under way: never lit, still pressed when held.
  Blink128 = 1;
  m.credit = 0;
  EXPECT_EQ(No3BetButtonLook(m, 0), 0);
  EXPECT_EQ(No3BetButtonLook(m, 1), 1);
  m.credit = 50;
  for (int state : {StateLeverPulled, StateReelsSpinning, StatePayingOut, StateGameOver}) {
    m.state = state;
    EXPECT_EQ(No3BetButtonLook(m, 0), 0) << state;
    EXPECT_EQ(No3BetButtonLook(m, 1), 1) << state;
  }
}

}  // namespace
