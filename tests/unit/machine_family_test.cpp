// What each machine of the family does differently: reel geometry, first-stop roles and
// lines, No.2's JAC games without the lever and its near miss, the mixed lines of No.3 and
// No.4, No.6's straight pay-out, and the stop tables of No.5.
#include <set>
#include <vector>

#include "machine/families/no2/no2_family.h"
#include "machine/families/no3/no3_family.h"
#include "machine/families/no4/no4_family.h"
#include "machine/families/no5/no5_family.h"
#include "machine/families/no5/no5_stop_tables.h"
#include "machine/pay_lines.h"
#include "tests/unit/machine_test_support.h"

namespace {

class FamilyTest : public MachineTest {
 protected:
  void TearDown() override { SelectMachine(kMachineNo1); }

  void Use(const MachineModel& model) {
    SelectMachine(model);
    m = MachineRecord{};
    ResetMachine(m, ResetFull);
  }

  void Place(int top1, int top2, int top3) {
    PlaceReel(0, top1);
    PlaceReel(1, top2);
    PlaceReel(2, top3);
  }

  // Scores the window as the game would after the third reel rests.
  int Evaluate(int bet) {
    m.bet = bet;
    m.state = StateReelsSpinning;
    m.stateTimer = 0;
    Tick();
    return m.payoutPending;
  }

  // A first stop of reel `reel` with the given roles and bet; the slide it chose.
  int FirstStop(int roles, int bet, int reel, int top) {
    m.roleFlags = roles;
    m.bet = bet;
    for (int r = 0; r < 3; ++r) m.reelState[r] = r == reel ? kMarker : 1;
    m.reelPos[reel] = model().symbolHeight * top;
    return model().stopControl(model(), m, reel);
  }
};

const MachineModel* const kAll[] = {&kMachineNo1, &kMachineNo2, &kMachineNo3, &kMachineNo4,
                                    &kMachineNo5, &kMachineNo6, &kMachineNo7};

}  // namespace

TEST_F(FamilyTest, ReelGeometryFollowsTheSymbolHeight) {
  for (const MachineModel* machine : kAll) {
    Use(*machine);
    const int u = machine->symbolHeight;
    EXPECT_TRUE(u == 32 || u == 34 || u == 36);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(m.reelPos[r], 20 * u);
    m.medals = 10;
    MedalIn(m);
    StartLever(m);
    ASSERT_TRUE(TickUntil([&] { return m.state == StateReelsSpinning; }));
    int start = m.reelPos[2];
    int ticks = 0, highest = 0;
    do {
      Tick();
      ++ticks;
      highest = std::max(highest, m.reelPos[2]);
      ASSERT_GT(m.reelPos[2], u);
    } while (m.reelPos[2] != start);
    EXPECT_EQ(ticks, 42) << "machine " << machine->number;
    EXPECT_EQ(highest, 22 * u);
  }
}

TEST_F(FamilyTest, FirstStopAimsAtASymbolThatPaysTheRoleOnAnOpenLine) {
  struct Case {
    const MachineModel* machine;
    int role;
    std::set<int> symbols;
  };
  const std::vector<Case> cases = {
      {&kMachineNo2, No2RoleBig, {0}},          {&kMachineNo2, No2RoleRegular, {2}},
      {&kMachineNo2, No2RoleBellGrape, {3, 4}}, {&kMachineNo2, No2RoleBellGrapeHigh, {3, 4}},
      {&kMachineNo2, No2RoleFruit, {5, 6}},     {&kMachineNo2, No2RoleCherry, {1}},
      {&kMachineNo7, No2RoleBellGrape, {3, 6}}, {&kMachineNo7, No2RoleFruit, {4, 5}},
      {&kMachineNo3, No3RoleSingle, {1}},       {&kMachineNo3, No3RolePeachPair, {4}},
      {&kMachineNo3, No3RolePlum, {7}},         {&kMachineNo3, No3RoleOrange, {5}},
      {&kMachineNo4, No4RoleBig, {0}},          {&kMachineNo4, No4RoleRegular, {1}},
      {&kMachineNo4, No4RoleBell, {3}},         {&kMachineNo4, No4RoleApple, {5}},
      {&kMachineNo4, No4RoleGrapes, {7}},       {&kMachineNo4, No4RoleOrange, {2, 4}},
  };
  for (const Case& c : cases) {
    Use(*c.machine);
    std::set<int> seenLines;
    for (int bet = 1; bet <= 3; ++bet) {
      for (int i = 0; i < 200; ++i) {
        FirstStop(c.role, bet, i % 3, i % 21);
        EXPECT_TRUE(c.symbols.count(m.targetSymbol))
            << "machine " << c.machine->number << " role " << c.role << " aims at " << m.targetSymbol;
        EXPECT_TRUE(ActiveLines(bet) & m.targetLine) << "machine " << c.machine->number;
        if (bet == 1) {
          EXPECT_EQ(m.targetLine, LineMiddle);
        }
        seenLines.insert(m.targetLine);
      }
    }
    EXPECT_GE(seenLines.size(), 2u) << "machine " << c.machine->number << " role " << c.role;
  }
}

TEST_F(FamilyTest, No6PaysStraightThroughAFullCredit) {
  for (const MachineModel* machine : {&kMachineNo6, &kMachineNo1}) {
    Use(*machine);
    m.medals = 60;
    m.credit = 45;
    m.spinWait = 40;
    m.state = StatePayingOut;
    m.payoutPending = 15;
    m.stateTimer = 0;
    int ticks = 0;
    std::set<int> sounds;
    while (m.state == StatePayingOut) {
      Tick();
      ++ticks;
      sounds.insert(m.soundRequest);
    }
    EXPECT_EQ(m.medals, 75);
    EXPECT_EQ(m.credit, 50);
    if (machine == &kMachineNo6) {
      EXPECT_LE(ticks, 4 * 15 + 4) << "one medal every four ticks, no pause";
      EXPECT_EQ(sounds.count(709), 0u);
      EXPECT_EQ(m.stateTimer, ticks / 8) << "no pause after the last medal either";
    } else {
      EXPECT_GE(ticks, 4 * 15 + 16) << "the pause at the full credit";
    }
  }
}

TEST_F(FamilyTest, No2JacGamesNeedNoLeverWhileAReelTurns) {
  Use(kMachineNo2);
  m.medals = 100;
  m.jacWins = 6;
  m.jacGames = 12;
  m.spinWait = 100;
  // The first JAC game of a spin starts with the lever.
  MedalIn(m);
  EXPECT_EQ(m.state, StateBetting);
  MedalIn(m);
  EXPECT_EQ(m.bet, 1) << "a second bet is refused: it goes to the credit";
  EXPECT_EQ(m.credit, 1);
  StartLever(m);
  EXPECT_EQ(m.jacStage, 1);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateReelsSpinning; }));
  int paidGames = 0;
  for (int game = 0; game < 3; ++game) {
    if (game > 0) {
      // Later JAC games of the spin: a bet while reels turn is the whole start.
      int turning = (m.reelState[0] != 0) + (m.reelState[1] != 0) + (m.reelState[2] != 0);
      EXPECT_EQ(turning, 3 - game);
      if (m.credit > 0) {
        BetFromCredit(m);
      } else {
        MedalIn(m);
      }
      ASSERT_EQ(m.state, StateReelsSpinning) << "game " << game;
      MedalIn(m);
      EXPECT_EQ(m.bet, 1);
    }
    int reel = m.reelState[0] > 0 ? 0 : m.reelState[1] > 0 ? 1 : 2;
    int gamesBefore = m.jacGames;
    StopReel(m, reel);
    ASSERT_TRUE(TickUntil([&] { return m.state == StatePayingOut; }, 200));
    EXPECT_EQ(m.reelState[reel], 0);
    EXPECT_EQ(m.jacGames, gamesBefore - 1) << "one stop is one JAC game";
    if (m.payoutPending == 15) {
      ++paidGames;
      EXPECT_EQ(m.litLines, LineMiddle);
    }
    ASSERT_TRUE(TickUntil([&] { return m.state == StateIdle; }));
  }
  EXPECT_EQ(6 - m.jacWins, paidGames);
  // All three reels stopped: the next JAC game starts with the lever again.
  MedalIn(m);
  EXPECT_EQ(m.state, StateBetting);
}

TEST_F(FamilyTest, No2JacStageEndsAndTheReelsRunOut) {
  Use(kMachineNo2);
  m.medals = 100;
  m.jacWins = 1;
  m.jacGames = 1;  // this game must win and end the stage
  m.state = StateReelsSpinning;
  m.stateTimer = 0;
  for (int r = 0; r < 3; ++r) m.reelState[r] = 1;
  m.reelPos[0] = m.reelPos[1] = m.reelPos[2] = 330;
  StopReel(m, 0);
  ASSERT_TRUE(TickUntil([&] { return m.state == StatePayingOut; }, 200));
  EXPECT_EQ(m.payoutPending, 15);
  EXPECT_EQ(m.jacWins, -1) << "the end marker while the other reels run out";
  EXPECT_EQ(m.soundRequest, kMarker);
  ASSERT_TRUE(TickUntil([&] { return m.jacWins == 0; }, 400));
  for (int r = 0; r < 3; ++r) EXPECT_EQ(m.reelState[r], 0);
  EXPECT_EQ(m.medals, 115);
}

TEST_F(FamilyTest, No2CreditAndPayoutAskForTheDisplaysNotTheGauge) {
  // On the No.2 face bit 32 is the three displays and 128 the spin gauge; machine No.1's face
  // shows its credit with the digits of bit 128.
  for (const MachineModel* model : {&kMachineNo2, &kMachineNo7, &kMachineNo1}) {
    Use(*model);
    const int displays = model->number == 1 ? RedrawDigits : RedrawBigChanceLamp;
    m.medals = 100;
    m.spinWait = 100;  // long past the gauge's waiting: only the game asks for redraws
    MedalIn(m);
    EXPECT_TRUE(m.redrawFlags & displays) << "medal bet on No." << model->number;
    m.redrawFlags = 0;
    m.bet = MaxBet(m);
    MedalIn(m);  // a medal into a full bet goes to the credit
    EXPECT_EQ(m.credit, 1);
    EXPECT_TRUE(m.redrawFlags & displays) << "credit on No." << model->number;
    if (model->number != 1) {
      EXPECT_FALSE(m.redrawFlags & RedrawDigits) << "the gauge stays";
    }
    // A win pays medal by medal into the credit, then the game ends: the payout display follows.
    m.redrawFlags = 0;
    m.state = StatePayingOut;
    m.stateTimer = 0;
    m.payoutPending = 2;
    ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }, 200));
    EXPECT_EQ(m.paidThisGame, 2);
    EXPECT_TRUE(m.redrawFlags & displays) << "payout on No." << model->number;
  }
}

TEST_F(FamilyTest, No2NearMissShowsAReachAndNeverCompletesIt) {
  Use(kMachineNo2);
  int reaches = 0, games = 0;
  for (int t = 0; t < 21 * 21 * 21; t += 7) {
    for (int bet = 1; bet <= 3; ++bet) {
      const int order[3] = {t % 3, (t % 3 + 1 + t / 3 % 2) % 3, 0};
      int last = 3 - order[0] - order[1];
      int tops[3] = {t % 21, t / 21 % 21, t / 441};
      m.roleFlags = 0;
      m.bet = bet;
      for (int r = 0; r < 3; ++r) m.reelState[r] = 1;
      bool reach = false;
      for (int i = 0; i < 3; ++i) {
        int reel = i < 2 ? order[i] : last;
        m.reelPos[reel] = 32 * tops[reel];
        m.reelState[reel] = kMarker;
        int n = model().stopControl(model(), m, reel);
        m.reelPos[reel] = 32 * Mod21(tops[reel] - n);
        m.reelState[reel] = 0;
        if (i == 1) {
          StopRules rules = No2StopRules(m);
          StopView v{model(), m, rules};
          reach = BuildReachList(v, last).count > 0;
        }
      }
      ++games;
      reaches += reach ? 1 : 0;
      MachineRecord scored = m;
      ASSERT_EQ(model().payout(model(), scored), 0) << "t " << t << " bet " << bet;
      ASSERT_EQ(scored.bigGames, 0);
      ASSERT_EQ(scored.jacWins, 0);
    }
  }
  EXPECT_GT(reaches, games / 4) << "the near miss shows a reach often";
}

TEST_F(FamilyTest, No3MixedLinesPayAsFullLines) {
  Use(kMachineNo3);
  // Reel 1 index 0 is a red seven; reels 2 and 3 show bar sevens at indices 1 and 3.
  m.roleFlags = No3RoleSingle;
  Place(20, 0, 2);  // middle rows: 0, 1, 1
  EXPECT_EQ(Evaluate(1), 6);
  EXPECT_EQ(m.singleBonus, kMarker);
  EXPECT_EQ(m.litLines, LineMiddle);
  EXPECT_EQ(m.roleFlags, 0);
  // A peach before two peach pairs pays as three pairs: reel 1 index 4, reels 2 and 3 index 2.
  Use(kMachineNo3);
  m.roleFlags = No3RolePeachPair;
  Place(3, 1, 0);
  EXPECT_EQ(Evaluate(1), 15);
  EXPECT_EQ(m.litLines, LineMiddle);
}

TEST_F(FamilyTest, No4BarsAndBellsPayAsBells) {
  Use(kMachineNo4);
  // Reel 1 index 3 is a BAR, reel 2 index 3 a bell, reel 3 index 4 a BAR.
  m.roleFlags = No4RoleBell;
  Place(2, 2, 3);
  EXPECT_EQ(Evaluate(1), 15);
  EXPECT_EQ(m.roleFlags, 0);
  EXPECT_EQ(m.jacWins, 0) << "bells are no bonus";
  EXPECT_EQ(m.litLines, LineMiddle);
  // BAR, BAR, BAR: reel 2 index 9 is a BAR.
  Use(kMachineNo4);
  m.roleFlags = No4RoleRegular;
  Place(2, 8, 3);
  EXPECT_EQ(Evaluate(1), 15);
  EXPECT_EQ(m.jacWins, kMarker);
  ASSERT_TRUE(TickUntil([&] { return m.state == StateGameOver; }));
  EXPECT_EQ(m.jacWins, 6);
  EXPECT_EQ(m.jacStage, 1);
}

TEST_F(FamilyTest, No5StopTablesAlwaysLetEveryReelStop) {
  for (int set = 0; set < kNo5StopTableSetCount; ++set) {
    const StopTableSet& tables = kNo5StopTableSets[set];
    for (int t = 0; t < tables.count; ++t) {
      for (int reel = 0; reel < 3; ++reel) {
        uint32_t allowed = tables.tables[t].allowed[reel];
        EXPECT_NE(allowed, 0u) << "set " << set << " table " << t << " reel " << reel;
        EXPECT_EQ(allowed >> kStripLength, 0u);
      }
    }
  }
  const int counts[] = {13, 12, 4, 21, 5, 12, 9, 7};
  for (int set = 0; set < kNo5StopTableSetCount; ++set) EXPECT_EQ(kNo5StopTableSets[set].count, counts[set]);
  // A reel already at an allowed index stops at once; otherwise it runs to the next one.
  EXPECT_EQ(SlideToAllowed(1u << 7, 7), 0);
  EXPECT_EQ(SlideToAllowed(1u << 5, 7), 2);
  EXPECT_EQ(SlideToAllowed(1u << 8, 7), 20);
}

TEST_F(FamilyTest, No5JacInAndJacStagesUseTheirTables) {
  Use(kMachineNo5);
  // A JAC-in bet with one medal uses Jac table 7.
  for (int i = 0; i < 50; ++i) {
    m.bigGames = 28;
    FirstStop(No5RoleJac, 1, i % 3, i % 21);
    EXPECT_EQ(m.singleBonus, kJacInFirstTable);
    EXPECT_EQ(m.targetSymbol, No5SymbolJac);
  }
  // Sequence 6 starts with Jac table 4.
  bool sawSequence6 = false;
  for (uint32_t seed = 1; seed < 200 && !sawSequence6; ++seed) {
    SeedGameRandom(seed);
    m.jacWins = 6;
    m.jacGames = 12;
    FirstStop(0, 1, 0, 0);
    if (m.jacSequence == 6) {
      sawSequence6 = true;
      EXPECT_EQ(m.singleBonus, 4);
    }
  }
  EXPECT_TRUE(sawSequence6);
}

TEST_F(FamilyTest, No5JacSequencesWinAsTheLampsShow) {
  // The BONUS GAME lamps of machine No.5 show, for each sequence, which of the twelve JAC games
  // of a stage win when the reels are stopped 1, 2, 3.
  const int lamps[7][12] = {
      {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0},
      {0, 1, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0}, {1, 0, 1, 0, 1, 1, 1, 1, 0, 0, 0, 0},
      {1, 1, 0, 0, 1, 1, 1, 0, 1, 0, 0, 0}, {1, 0, 1, 1, 1, 0, 0, 1, 1, 0, 0, 0},
      {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1},
  };
  for (int sequence = 0; sequence < 7; ++sequence) {
    // A seed whose first draw chooses this sequence at the stage's first stop.
    uint32_t seed = 1;
    for (SeedGameRandom(seed); GameRand() % kJacSequenceCount != sequence; SeedGameRandom(++seed)) {
    }
    for (int start = 0; start < 21; ++start) {
      Use(kMachineNo5);
      SeedGameRandom(seed);
      m.jacWins = 6;
      m.jacGames = 12;
      m.bet = 1;
      int won[12] = {0};
      for (int game = 0; game < 12 && m.jacWins > 0; ++game) {
        int reel = game % 3;
        if (reel == 0) {
          for (int r = 0; r < 3; ++r) {
            m.reelState[r] = 1;
            m.reelPos[r] = 32 * Mod21(start + 5 * game + r);
          }
        }
        m.reelState[reel] = kMarker;
        int n = model().stopControl(model(), m, reel);
        ASSERT_EQ(m.jacSequence, sequence);
        m.reelPos[reel] = 32 * Mod21(TopStripIndex(32, m.reelPos[reel]) - n);
        m.reelState[reel] = 0;
        won[game] = m.payoutPending == 15;
        m.jacGames -= 1;
        if (won[game]) m.jacWins -= 1;
      }
      for (int game = 0; game < 12; ++game) {
        ASSERT_EQ(won[game], lamps[sequence][game]) << "sequence " << sequence << " game " << game;
      }
    }
  }
}
