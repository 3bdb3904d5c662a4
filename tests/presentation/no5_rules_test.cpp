// The Sulvano's face rules: the BONUS GAME dots against the JAC games the machine really plays,
// the blinking tail, the dots, the payout blanks, the hall band, and the redraws that keep them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hall/player_slot.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "presentation/faces/no5_rules.h"
#include "presentation/game_description.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"

namespace {

using namespace no5_face;

class No5Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectMachine(kMachineNo5);
    ResetTickCounters();
    SeedGameRandom(1);
    for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
    m = MachineRecord{};
    ResetMachine(m, ResetFull);
    m.medals = 5000;
  }
  void TearDown() override { SelectMachine(kMachineNo1); }

  // The twelve dots as they read with Blink256 set or clear: 'o' lit, '.' dark.
  std::string Dots(int blink256) {
    const int saved = Blink256;
    Blink256 = blink256;
    std::string s;
    for (int j = 0; j < kBonusGameDots; ++j) {
      int look = No5BonusGameDotLook(m, j);
      s += look == DotRed ? 'o' : look == DotUnlit ? '.' : '?';
    }
    Blink256 = saved;
    return s;
  }

  // A row of dots as they read: '.' dark, 'R', 'Y', 'G' lit red, yellow, green.
  std::string Row(int (*rule)(const MachineRecord&, int), int places) {
    std::string s;
    for (int i = 0; i < places; ++i) {
      int look = rule(m, i);
      s += look >= DotUnlit && look <= DotGreen ? ".RYG"[look] : '?';
    }
    return s;
  }

  // One keypad press as a player makes it: medals one at a time up to the game's bet, the
  // lever, then the stop of the leftmost reel still turning.
  void Press() {
    if (m.state == StateIdle) {
      MedalIn(m);
    } else if (m.state == StateBetting) {
      if (m.bet < MaxBet(m)) {
        MedalIn(m);
      } else {
        StartLever(m);
      }
    } else if (m.state == StateReelsSpinning) {
      for (int reel = 0; reel < kReelCount; ++reel) {
        if (m.reelState[reel] > 0) {
          StopReel(m, reel);
          break;
        }
      }
    }
  }

  MachineRecord m;
};

// ---------------------------------------------------------------------------------------------
// The BONUS GAME dots against the machine.

TEST_F(No5Rules, EveryPatternRowIsTheStageTheMachinePlaysLeftToRight) {
  // Stages in a regular bonus and inside a big bonus, stopped left to right at many different
  // moments, until every JAC sequence has been played at least twice. After each JAC game the
  // dots of the games played show exactly the wins the stop tables gave, and the rest blink.
  int played[kJacSequenceRows] = {0};
  int stages = 0;
  for (uint32_t seed = 1; seed < 400; ++seed) {
    bool done = true;
    for (int n : played) done = done && n >= 2;
    if (done) break;
    SetUp();
    SeedGameRandom(seed);
    m.jacWins = 6;
    m.jacGames = 12;
    m.jacStage = 1;
    m.bigGames = seed % 2 ? 20 : 0;
    const int pace = 3 + int(seed % 7);  // ticks between presses: other stop positions
    std::vector<int> wins;
    for (int tick = 0; tick < 20000 && m.jacWins > 0; ++tick) {
      AdvanceTickCounters();
      if (tick % pace == 0) Press();
      const int wasGames = m.jacGames, wasWins = m.jacWins;
      MachineTick(m);
      if (m.jacGames == wasGames) continue;
      ASSERT_EQ(m.jacGames, wasGames - 1);
      wins.push_back(m.jacWins < wasWins ? 1 : 0);
      if (m.jacWins <= 0) break;
      // The games played read as they went; the games to come blink together.
      std::string expect;
      for (int j = 0; j < kBonusGameDots; ++j) {
        expect += j < int(wins.size()) ? (wins[size_t(j)] ? 'o' : '.') : 'o';
      }
      ASSERT_EQ(Dots(1), expect) << "seed " << seed << " after game " << wins.size();
      for (size_t j = wins.size(); j < size_t(kBonusGameDots); ++j) expect[j] = '.';
      ASSERT_EQ(Dots(0), expect) << "seed " << seed << " after game " << wins.size();
    }
    ASSERT_LE(m.jacWins, 0) << "seed " << seed << ": the stage did not end";
    const int row = m.jacSequence;
    ASSERT_GE(row, 0);
    ASSERT_LT(row, kJacSequenceRows);
    // The stage ends with the row's last lit dot; every game of it went as the row says.
    int last = kBonusGameDots - 1;
    while (kBonusGamePattern[row][last] == 0) --last;
    ASSERT_EQ(int(wins.size()), last + 1) << "seed " << seed << " sequence " << row;
    for (int j = 0; j <= last; ++j) {
      EXPECT_EQ(wins[size_t(j)], kBonusGamePattern[row][j])
          << "seed " << seed << " sequence " << row << " game " << j;
    }
    // Out of the stage: all lit while the big bonus goes on, all dark after a regular bonus.
    EXPECT_EQ(Dots(0), std::string(12, m.bigGames > 0 ? 'o' : '.')) << "seed " << seed;
    ++played[row];
    ++stages;
  }
  for (int row = 0; row < kJacSequenceRows; ++row) {
    EXPECT_GE(played[row], 2) << "sequence " << row << " was not played";
  }
  EXPECT_GE(stages, 14);
}

TEST_F(No5Rules, BonusGameDotsOutsideAStageAndTheBlinkingTail) {
  Blink256 = 1;
  EXPECT_EQ(Dots(1), "............");
  // A big bonus between stages lights them all, steady; lined up and not yet paid it does not.
  m.bigGames = 21;
  EXPECT_EQ(Dots(0), "oooooooooooo");
  m.jacWins = -1;  // a stage running out
  EXPECT_EQ(Dots(0), "oooooooooooo");
  m.jacWins = kMarker;  // a stage lined up
  EXPECT_EQ(Dots(0), "oooooooooooo");
  m.bigGames = kMarker;
  m.jacWins = 0;
  EXPECT_EQ(Dots(1), "............");
  // A stage's first game: nothing played yet, every dot blinks (whatever field 42 holds).
  m.bigGames = 0;
  m.jacWins = 6;
  m.jacGames = 12;
  m.jacSequence = 5;
  EXPECT_EQ(Dots(1), "oooooooooooo");
  EXPECT_EQ(Dots(0), "............");
  // Five games of sequence 5 played (three won): the tail of seven blinks.
  m.jacGames = 7;
  m.jacWins = 2;
  EXPECT_EQ(Dots(1), "o.oooooooooo");
  EXPECT_EQ(Dots(0), "o.ooo.......");
  // A sequence number the machine would not play is played, and shown, as sequence 0.
  m.jacSequence = 9;
  EXPECT_EQ(Dots(0), "ooooo.......");
  m.jacSequence = -3;
  EXPECT_EQ(Dots(0), "ooooo.......");
  // No dot beyond the twelve.
  EXPECT_EQ(No5BonusGameDotLook(m, -1), -1);
  EXPECT_EQ(No5BonusGameDotLook(m, 12), -1);
}

// ---------------------------------------------------------------------------------------------
// The other dots, the top picture and the displays.

TEST_F(No5Rules, StageDotsCountTheJacStagesOfABigBonusOnly) {
  m.bigGames = 28;
  EXPECT_EQ(Row(No5StageDotLook, kStageDots), "...");
  m.jacStage = 2;
  EXPECT_EQ(Row(No5StageDotLook, kStageDots), "YY.");
  m.jacStage = 3;
  EXPECT_EQ(Row(No5StageDotLook, kStageDots), "YYY");
  // A regular bonus's stage, or a big bonus only lined up, lights none.
  m.bigGames = 0;
  m.jacStage = 1;
  EXPECT_EQ(Row(No5StageDotLook, kStageDots), "...");
  m.bigGames = kMarker;
  EXPECT_EQ(Row(No5StageDotLook, kStageDots), "...");
  EXPECT_EQ(No5StageDotLook(m, 3), -1);
}

TEST_F(No5Rules, BetLineDotsLightInTheColourOfTheBetThatOpensThem) {
  EXPECT_EQ(Row(No5LineDotLook, 5), ".....");
  m.bet = 1;
  EXPECT_EQ(Row(No5LineDotLook, 5), "..R..");
  m.bet = 2;
  EXPECT_EQ(Row(No5LineDotLook, 5), ".YRY.");
  m.bet = 3;
  EXPECT_EQ(Row(No5LineDotLook, 5), "GYRYG");
  // Winning lines flash together in their colours and the bet does not show.
  m.litLines = 4 + 16;
  Blink128 = 1;
  EXPECT_EQ(Row(No5LineDotLook, 5), "..R.G");
  Blink128 = 0;
  EXPECT_EQ(Row(No5LineDotLook, 5), ".....");
  EXPECT_EQ(No5LineDotLook(m, 5), -1);
}

TEST_F(No5Rules, StopMedalAndStartDotsFollowTheGame) {
  auto dots = [&] {
    std::string s;
    for (int r = 0; r < 3; ++r) s += No5StopDotLook(m, r) == DotRed ? 'S' : '.';
    s += No5MedalInDotLook(m, 0) == DotGreen ? 'M' : '.';
    s += No5StartDotLook(m, 0) == DotYellow ? 'L' : '.';
    return s;
  };
  m.state = StateIdle;
  EXPECT_EQ(dots(), "...M.");
  m.state = StateBetting;
  EXPECT_EQ(dots(), "...ML");
  m.state = StateLeverPulled;
  for (int& r : m.reelState) r = 1;
  EXPECT_EQ(dots(), ".....");
  m.state = StateReelsSpinning;
  m.reelState[1] = 0;  // the centre reel already stopped
  EXPECT_EQ(dots(), "S.S..");
  m.reelState[0] = kMarker;  // its stop asked for: it can no longer be stopped
  EXPECT_EQ(dots(), "..S..");
  // Between JAC games the reels still turn but cannot be stopped.
  m.state = StatePayingOut;
  EXPECT_EQ(dots(), ".....");
  EXPECT_EQ(No5StopDotLook(m, 3), -1);
}

TEST_F(No5Rules, TopPictureFlashesOnlyWhileABonusIsPlayed) {
  Blink256 = 1;
  EXPECT_EQ(No5TopPictureLook(m, 0), 0);
  m.bigGames = 3;
  EXPECT_EQ(No5TopPictureLook(m, 0), 1);
  Blink256 = 0;
  EXPECT_EQ(No5TopPictureLook(m, 0), 0);
  Blink256 = 1;
  m.bigGames = 0;
  m.jacWins = 2;
  EXPECT_EQ(No5TopPictureLook(m, 0), 1);
  for (int notYetOrNoMore : {kMarker, -1}) {
    m.jacWins = notYetOrNoMore;
    EXPECT_EQ(No5TopPictureLook(m, 0), 0) << notYetOrNoMore;
  }
}

TEST_F(No5Rules, PayoutIsBlankUntilAMedalIsPaidAndCreditShowsTwoFigures) {
  auto displays = [&] {
    std::string s;
    for (int place = CreditTens; place <= PayoutUnits; ++place) {
      int g = No5DigitGlyph(m, place);
      s += g == kBlankGlyph ? ' ' : g >= 0 && g <= 9 ? char('0' + g) : '?';
      if (place == CreditUnits) s += '|';
    }
    return s;
  };
  EXPECT_EQ(displays(), "00|  ");
  m.credit = 7;
  m.paidThisGame = 1;
  EXPECT_EQ(displays(), "07|01");
  m.credit = 50;
  m.paidThisGame = 15;
  EXPECT_EQ(displays(), "50|15");
  m.credit = 123;  // a record that holds more than two figures shows the nearest they can
  m.paidThisGame = -4;
  EXPECT_EQ(displays(), "99|00");
  EXPECT_EQ(No5DigitGlyph(m, 4), -1);
}

TEST_F(No5Rules, HallBandShowsWhoSitsThereAndFlashesInABonus) {
  auto band = [&](int blink) {
    Blink128 = blink;
    return No5HallBandLook(m, 0);
  };
  EXPECT_EQ(band(1), 0);
  m.occupant = OccupantCustomer;
  EXPECT_EQ(band(1), 2);
  // P2 at the machine, then away looking at the hall: the band shows the stool empty.
  m.occupant = OccupantFirstPlayer + 1;
  PlayerSlots[1].screen = ScreenPlay;
  EXPECT_EQ(band(0), 2);
  PlayerSlots[1].screen = ScreenHallAway;
  EXPECT_EQ(band(0), 0);
  // A bonus flashes it, seated or not; a stage lined up or running out flashes it too.
  m.bigGames = 10;
  EXPECT_EQ(band(1), 1);
  EXPECT_EQ(band(0), 0);
  PlayerSlots[1].screen = ScreenPlay;
  EXPECT_EQ(band(1), 3);
  m.bigGames = kMarker;
  EXPECT_EQ(band(1), 2);
  for (int stage : {kMarker, -1, 4}) {
    m.jacWins = stage;
    EXPECT_EQ(band(1), 3) << stage;
  }
}

// ---------------------------------------------------------------------------------------------
// The play screen redraws a part only when the machine asks or a tick mark adds its bit; the
// game's description must keep every dot, the top picture and the displays from showing a
// stale look.

// One place of a part as the screen shows it.
struct ShownPlace {
  const PartSpec* part;
  int place;
  int shown;
  int stale;  // ticks it has shown another look than its rule's
  int worst;
  // Ticks a place may show a stale look: up to the next mark of its phase. The bonus parts may
  // also keep their look through the pay-out of the game that ends the bonus, whose end
  // redraws them (one medal every four ticks).
  int Allowed() const {
    return part->bit == 32 || part->bit == 64 ? 16 + 4 * kMaxPayPerGame : 16;
  }
  bool TooLong() const { return worst >= Allowed(); }
};

bool SpecBonusMark(const MachineRecord& m) { return m.bigGames > 0 || m.jacWins > 0; }
bool Waiting(const MachineRecord& m) { return m.state < StateLeverPulled; }
bool UnderWay(const MachineRecord& m) { return m.state >= StateLeverPulled; }
bool Won(const MachineRecord& m) { return m.litLines != 0; }

// The marks as first described for this face: the bonus parts while a bonus has wins left,
// MEDAL IN while waiting, the winning lines; then the same with the game's dots redrawn only
// while the game is under way.
const TickMark kSpecMarks[] = {{256, SpecBonusMark, 32 | 64, false}, {128, Waiting, 8, false},
                               {128, Won, 2, false}};
const TickMark kSpecMarksWithDots[] = {{256, SpecBonusMark, 32 | 64, false},
                                       {128, Waiting, 8, false},
                                       {128, UnderWay, 4 | 8 | 16, false},
                                       {128, Won, 2, false}};

class No5Redraws : public No5Rules {
 protected:
  void StartRegularStage(uint32_t seed) {
    SetUp();
    SeedGameRandom(seed);
    m.jacWins = 6;
    m.jacGames = 12;
    m.jacStage = 1;
  }

  // A seed with which a regular bonus's stage, played from its start, plays `sequence`.
  uint32_t SeedPlaying(int sequence) {
    for (uint32_t seed = 1; seed < 1000; ++seed) {
      StartRegularStage(seed);
      for (int tick = 0; tick < 5000 && m.jacGames == 12; ++tick) {
        AdvanceTickCounters();
        if (tick % 4 == 0) Press();
        MachineTick(m);
      }
      if (m.jacSequence == sequence) return seed;
    }
    ADD_FAILURE() << "no seed plays sequence " << sequence;
    return 1;
  }

  // Plays from the machine's present state for `ticks`, drawing as the play screen does with
  // the description `g` (screen first, then the machine's step), and returns the place that
  // overstayed its allowance most, else the one that came nearest.
  ShownPlace Play(const GameDescription& g, int ticks,
                  int (*until)(const MachineRecord&) = nullptr) {
    std::vector<ShownPlace> places;
    for (int i = 0; i < g.partCount; ++i) {
      const PartSpec& part = g.parts[i];
      if (part.drawer != PartDrawer::Looks) continue;
      for (int p = 0; p < part.placeCount; ++p) {
        // The full paint leaves some parts showing the face's own look, look 0.
        int shown = (g.fullPaintSkips & part.bit) != 0 ? 0 : part.look(m, p);
        places.push_back({&part, p, shown, 0, 0});
      }
    }
    int idle = 0;
    for (int tick = 0; tick < ticks; ++tick) {
      AdvanceTickCounters();
      int bits = m.redrawFlags | TickMarkBits(g, m, nullptr);
      m.redrawFlags = 0;
      for (ShownPlace& s : places) {
        int now = s.part->look(m, s.place);
        if (bits & s.part->bit) s.shown = now;
        s.stale = s.shown == now ? 0 : s.stale + 1;
        if (s.stale > s.worst) s.worst = s.stale;
      }
      // A player who looks at the result for a while before the next bet.
      idle = m.state == StateIdle ? idle + 1 : 0;
      if (tick % 4 == 0 && (m.state != StateIdle || idle > 40)) Press();
      MachineTick(m);
      if (until != nullptr && until(m)) break;
    }
    overstaying.clear();
    for (const ShownPlace& s : places) {
      if (s.TooLong()) overstaying.insert(s.part->bit);
    }
    ShownPlace worst = places[0];
    for (const ShownPlace& s : places) {
      if (s.worst - s.Allowed() > worst.worst - worst.Allowed()) worst = s;
    }
    return worst;
  }

  std::set<int> overstaying;  // the bits of the places that overstayed in the last Play

  static GameDescription WithMarks(const TickMark* marks, int count) {
    GameDescription g = *GameDescriptionOf(5);
    g.tickMarks = marks;
    g.tickMarkCount = count;
    return g;
  }
};

std::string Where(const ShownPlace& s) {
  return "bit " + std::to_string(s.part->bit) + " place " + std::to_string(s.place) + ": " +
         std::to_string(s.worst) + " ticks stale";
}

int BonusOver(const MachineRecord& m) {
  return m.bigGames == 0 && m.jacWins == 0 && m.state == StateIdle;
}

TEST_F(No5Redraws, NoPartStaysStaleThroughABigBonusAndRegularBonuses) {
  const GameDescription& g = *GameDescriptionOf(5);
  // A big bonus of thirty general games with its JAC stages, until it is over.
  m.bigGames = 30;
  ShownPlace worst = Play(g, 200000, BonusOver);
  EXPECT_TRUE(BonusOver(m));
  EXPECT_FALSE(worst.TooLong()) << Where(worst);
  // A regular bonus of every JAC sequence, then ordinary games: sequence 3's stage ends on the
  // centre reel and the right reel runs out after it.
  for (int sequence = 0; sequence < kJacSequenceRows; ++sequence) {
    StartRegularStage(SeedPlaying(sequence));
    worst = Play(g, 3000);
    EXPECT_EQ(m.jacSequence, sequence);
    EXPECT_FALSE(worst.TooLong()) << "sequence " << sequence << ": " << Where(worst);
  }
}

TEST_F(No5Redraws, WithoutTheExtraMarksTheGamesDotsAndTheBonusLooksGoStale) {
  // Negative control. Without a redraw of the game's dots on every slow tick the START dot (bit
  // 16) stays lit through every spin; redrawn only while the game is under way, a STOP dot
  // (bit 4) of a reel still turning after a lost JAC game stays lit while the next one waits.
  StartRegularStage(SeedPlaying(1));
  Play(WithMarks(kSpecMarks, 3), 4000);
  EXPECT_TRUE(overstaying.count(16));
  StartRegularStage(SeedPlaying(1));
  Play(WithMarks(kSpecMarksWithDots, 4), 4000);
  EXPECT_FALSE(overstaying.count(16));
  EXPECT_TRUE(overstaying.count(4));
  // With the bonus mark only while JAC wins are left, a stage whose last reel runs out after
  // the sixth win leaves the top picture or the BONUS GAME dots as they were until the next
  // game's pay-out.
  StartRegularStage(SeedPlaying(3));
  Play(WithMarks(kSpecMarks, 3), 4000);
  EXPECT_TRUE(overstaying.count(32) || overstaying.count(64));
}

}  // namespace
