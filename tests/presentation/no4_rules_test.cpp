// The Pembrix 7's look rules for known machine states: the JAC-game lamps through a whole
// stage, the wait and start lamps around their thresholds, the displays' blanks and the band.
#include <gtest/gtest.h>

#include <string>

#include "hall/player_slot.h"
#include "presentation/faces/no4_rules.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

class No4Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickCounters();
    for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
    m = MachineRecord{};
  }
  // A row of lamps as the player sees it, left to right: '#' lit, '.' dark.
  std::string Row(int (*rule)(const MachineRecord&, int), int count, int lit) {
    std::string row;
    for (int i = 0; i < count; ++i) row += rule(m, i) == lit ? '#' : '.';
    return row;
  }
  std::string JacGameLamps() { return Row(No4JacGameLampLook, 6, No4PanelGameLit); }
  std::string WaitLamps() { return Row(No4WaitLampLook, 6, No4PanelGameLit); }
  MachineRecord m;
};

TEST_F(No4Rules, JacGameLampsFillInTheFirstHalfOfAStageAndEmptyInTheSecond) {
  // jacGames counts down from 12; the left lamp is number 6, the right one number 1.
  const char* expected[13] = {"......", ".....#", "....##", "...###", "..####", ".#####",
                              "######", "#####.", "####..", "###...", "##....", "#.....",
                              "......"};
  m.jacWins = 3;
  for (int games = 0; games <= 12; ++games) {
    m.jacGames = games;
    EXPECT_EQ(JacGameLamps(), expected[games]) << "jacGames " << games;
  }
  // Without wins left (none, the stage over, or one only lined up) every lamp is dark, and dark
  // is the printed look of a JAC-game lamp, not of another kind.
  for (int wins : {0, -1, kMarker}) {
    m.jacWins = wins;
    for (int games : {0, 6, 7, 12}) {
      m.jacGames = games;
      EXPECT_EQ(JacGameLamps(), "......") << "jacWins " << wins << " jacGames " << games;
      EXPECT_EQ(No4JacGameLampLook(m, 0), No4PanelGameUnlit);
    }
  }
  EXPECT_EQ(No4JacGameLampLook(m, -1), -1);
  EXPECT_EQ(No4JacGameLampLook(m, 6), -1);
}

TEST_F(No4Rules, WaitLampsFillEveryFourSlowTicksAndTheStartLampFollows) {
  struct Case {
    int spinWait;
    const char* lamps;
    int start;
  } cases[] = {
      {0, "......", No4PanelStartUnlit},  {3, "......", No4PanelStartUnlit},
      {4, "#.....", No4PanelStartUnlit},  {23, "#####.", No4PanelStartUnlit},
      {24, "######", No4PanelStartUnlit}, {27, "######", No4PanelStartUnlit},
      {28, "######", No4PanelStartLit},   {1024, "######", No4PanelStartLit},
  };
  for (const Case& c : cases) {
    m.spinWait = c.spinWait;
    EXPECT_EQ(WaitLamps(), c.lamps) << "spinWait " << c.spinWait;
    EXPECT_EQ(No4StartLampLook(m, 0), c.start) << "spinWait " << c.spinWait;
  }
  EXPECT_EQ(No4WaitLampLook(m, 6), -1);
}

TEST_F(No4Rules, StartLampFlashesOnlyWhileThePulledLeverWaits) {
  m.spinWait = 10;
  for (int state = StateIdle; state <= StateGameOver; ++state) {
    m.state = state;
    Blink128 = 1;
    const int expected = state == StateLeverPulled ? No4PanelStartLit : No4PanelStartUnlit;
    EXPECT_EQ(No4StartLampLook(m, 0), expected) << "state " << state;
    Blink128 = 0;
    EXPECT_EQ(No4StartLampLook(m, 0), No4PanelStartUnlit) << "state " << state;
  }
  // Past the interval it stays lit through the blink.
  m.spinWait = 28;
  EXPECT_EQ(No4StartLampLook(m, 0), No4PanelStartLit);
}

TEST_F(No4Rules, FrameLampsFlashInAStageAndBetLampsCountTheBet) {
  m.jacWins = 6;
  Blink128 = 1;
  EXPECT_EQ(No4FrameLampLook(m, 0), No4PanelFrameLit);
  EXPECT_EQ(No4FrameLampLook(m, 1), No4PanelFrameLit);
  Blink128 = 0;
  EXPECT_EQ(No4FrameLampLook(m, 0), No4PanelFrameUnlit);
  Blink128 = 1;
  for (int wins : {0, -1, kMarker}) {
    m.jacWins = wins;
    EXPECT_EQ(No4FrameLampLook(m, 0), No4PanelFrameUnlit) << "jacWins " << wins;
  }
  const char* expected[4] = {"...", "#..", "##.", "###"};
  for (int bet = 0; bet <= 3; ++bet) {
    m.bet = bet;
    EXPECT_EQ(Row(No4BetLampLook, 3, No4PanelFrameLit), expected[bet]) << "bet " << bet;
  }
  // A dark bet lamp shows the unlit look of its own kind.
  m.bet = 0;
  EXPECT_EQ(No4BetLampLook(m, 0), No4PanelFrameUnlit);
  EXPECT_EQ(No4BetLampLook(m, 3), -1);
}

TEST_F(No4Rules, GameOverLampLitBetweenGamesOnly) {
  for (int state = StateIdle; state <= StateGameOver; ++state) {
    m.state = state;
    const bool between = state == StateIdle || state == StateGameOver;
    EXPECT_EQ(No4GameOverLampLook(m, 0), between ? 1 : 0) << "state " << state;
  }
}

TEST_F(No4Rules, CreditShowsItsUnitsAlwaysAndBlanksAZeroTens) {
  struct Case {
    int credit, tens, units;
  } cases[] = {{0, kNo4BlankGlyph, 10}, {7, kNo4BlankGlyph, 17}, {10, 11, 10}, {50, 15, 10}};
  for (const Case& c : cases) {
    m.credit = c.credit;
    EXPECT_EQ(No4CreditGlyph(m, 0), c.tens) << "credit " << c.credit;
    EXPECT_EQ(No4CreditGlyph(m, 1), c.units) << "credit " << c.credit;
  }
  EXPECT_EQ(No4CreditGlyph(m, 2), -1);
}

TEST_F(No4Rules, PayoutBlanksWhatNothingWasPaidFor) {
  struct Case {
    int paid, tens, units;
  } cases[] = {{0, kNo4BlankGlyph, kNo4BlankGlyph},
               {2, kNo4BlankGlyph, 2},
               {9, kNo4BlankGlyph, 9},
               {10, 1, 0},  // reads 10 while a payout counts up through it
               {15, 1, 5}};
  for (const Case& c : cases) {
    m.paidThisGame = c.paid;
    EXPECT_EQ(No4PayoutGlyph(m, 0), c.tens) << "paid " << c.paid;
    EXPECT_EQ(No4PayoutGlyph(m, 1), c.units) << "paid " << c.paid;
  }
  EXPECT_EQ(No4PayoutGlyph(m, -1), -1);
}

TEST_F(No4Rules, HallBandShowsWhoSitsThereAndFlashesInABonus) {
  Blink128 = 1;
  m.occupant = OccupantFree;
  EXPECT_EQ(No4HallBandLook(m, 0), 0);
  m.occupant = OccupantCustomer;
  EXPECT_EQ(No4HallBandLook(m, 0), 2);
  // Player P3 (slot 2): seated while the play screen shows the machine, away in the hall.
  m.occupant = OccupantFirstPlayer + 2;
  PlayerSlots[2].screen = ScreenPlay;
  EXPECT_EQ(No4HallBandLook(m, 0), 2);
  PlayerSlots[2].screen = ScreenHallAway;
  EXPECT_EQ(No4HallBandLook(m, 0), 0);

  m.occupant = OccupantCustomer;
  struct Case {
    int bigGames, jacWins, blink, look;
  } cases[] = {{30, 0, 1, 3},      {30, 0, 0, 2},      {kMarker, 0, 1, 2}, {0, 6, 1, 3},
               {0, -1, 1, 3},      {0, kMarker, 1, 3}, {0, 0, 1, 2}};
  for (const Case& c : cases) {
    m.bigGames = c.bigGames;
    m.jacWins = c.jacWins;
    Blink128 = c.blink;
    EXPECT_EQ(No4HallBandLook(m, 0), c.look)
        << "bigGames " << c.bigGames << " jacWins " << c.jacWins << " blink " << c.blink;
  }
}

TEST_F(No4Rules, JacTuneFromTheLineUpToTheLastWin) {
  for (int wins : {6, 1, kMarker}) {
    m.jacWins = wins;
    EXPECT_TRUE(No4JacTuneWanted(m)) << "jacWins " << wins;
  }
  for (int wins : {0, -1}) {
    m.jacWins = wins;
    EXPECT_FALSE(No4JacTuneWanted(m)) << "jacWins " << wins;
  }
}

}  // namespace
