// Every game's description against its machine and against itself: the model it names, looks
// that never read past their strips in any machine state, sounds for every request the machine
// makes, and the dispatch of game No.1 walked through its branch table.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/tick_counters.h"
#include "machine/machine_model.h"
#include "presentation/game_description.h"

namespace {

std::vector<int> DescribedGames() {
  std::vector<int> games;
  for (int n = 1; n <= 7; ++n) {
    if (GameDescriptionOf(n) != nullptr) games.push_back(n);
  }
  return games;
}

// The number of looks a strip holds.
int LookCount(const GameDescription& g, const StripSpec& s) {
  switch (s.kind) {
    case StripKind::Looks: return s.stepCount;
    case StripKind::Whole:
      for (int i = 0; i < g.bitmapCount; ++i) {
        if (g.bitmaps[i].id == s.bitmap) return g.bitmaps[i].height / s.h;
      }
      return 0;
    default: return 1;
  }
}

// Machine records of every kind the game can meet, and some it should never meet.
MachineRecord SomeMachine(uint32_t& seed) {
  auto pick = [&](std::initializer_list<int> values) {
    seed = seed * 1103515245u + 12345u;
    return values.begin()[(seed >> 16) % values.size()];
  };
  auto upTo = [&](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % (n + 1));
  };
  MachineRecord m{};
  m.occupant = upTo(5);
  m.state = upTo(6);
  m.bet = upTo(3);
  m.credit = upTo(50);
  m.paidThisGame = upTo(15);
  m.litLines = upTo(31);
  m.spinWait = pick({0, 1, 3, 4, 27, 28, 29, 57, 58, 100, 1024});
  m.bigGames = pick({kMarker, 0, 1, 29, 30});
  m.jacWins = pick({kMarker, -1, 0, 1, 5, 8});
  m.jacGames = upTo(12);
  m.jacStage = upTo(3);
  m.singleBonus = pick({0, kMarker});
  m.jacSequence = upTo(6);
  for (int r = 0; r < kReelCount; ++r) {
    m.reelState[r] = pick({kMarker, -3, 0, 1});
    m.reelPos[r] = upTo(900);
  }
  return m;
}

class EveryDescription : public ::testing::TestWithParam<int> {
 protected:
  const GameDescription& g() const { return *GameDescriptionOf(GetParam()); }
};

TEST_P(EveryDescription, NamesItsOwnMachine) {
  const MachineModel* model = MachineModelOfGame(GetParam());
  ASSERT_NE(model, nullptr);
  EXPECT_STREQ(g().model, model->modelName);
  EXPECT_EQ(g().symbolHeight, model->symbolHeight);
  EXPECT_LE(g().stripCount, kMaxFaceStrips);
  EXPECT_LE(g().hallStripCount, kMaxHallStrips);
}

TEST_P(EveryDescription, SymbolPicturesHoldEveryCodeOfTheReelsAboveTheShade) {
  const MachineModel* model = MachineModelOfGame(GetParam());
  ASSERT_NE(model, nullptr);
  int highest = 0;
  for (const auto& strip : model->strips) {
    for (uint8_t code : strip) highest = code > highest ? code : highest;
  }
  const int pictures = (highest + 1) * g().symbolHeight;
  for (int i = 0; i < g().bitmapCount; ++i) {
    if (g().bitmaps[i].id != g().reels.symbols) continue;
    EXPECT_LE(pictures, g().bitmaps[i].height) << "symbol code " << highest << " has no picture";
    EXPECT_LE(g().reels.shadeY + g().reels.shadeRows, g().bitmaps[i].height);
  }
  EXPECT_GE(g().reels.shadeY, pictures) << "the shade band covers a symbol's picture";
}

TEST_P(EveryDescription, LooksNeverReadPastTheirStrips) {
  uint32_t seed = 7;
  for (int trial = 0; trial < 4000; ++trial) {
    MachineRecord m = SomeMachine(seed);
    Blink64 = trial & 1;
    Blink128 = (trial >> 1) & 1;
    Blink256 = (trial >> 2) & 1;
    for (int i = 0; i < g().partCount; ++i) {
      const PartSpec& part = g().parts[i];
      if (part.drawer == PartDrawer::Reels) {
        if (part.darkStrip < 0) continue;
        int cells = part.look(m, 0);
        ASSERT_GE(cells, 0) << "part " << i;
        ASSERT_LT(cells, 2 * kDarkWindows) << "part " << i;
        continue;
      }
      const StripSpec& strip = g().strips[part.strip];
      for (int p = 0; p < part.placeCount; ++p) {
        int look = part.look(m, p);
        if (part.drawer == PartDrawer::Gauge) {
          ASSERT_LE(look, strip.h) << strip.name;
        } else {
          ASSERT_LT(look, LookCount(g(), strip)) << strip.name << " place " << p << " trial " << trial;
        }
      }
    }
    for (int i = 0; i < g().hallPartCount; ++i) {
      const HallPartSpec& lamp = g().hallParts[i];
      int look = lamp.look(m, 0);
      ASSERT_GE(look, 0);
      ASSERT_LT(look, LookCount(g(), g().hallStrips[lamp.strip])) << g().hallStrips[lamp.strip].name;
    }
    if (g().betLooks == 4) {
      for (int held = 0; held < 2; ++held) {
        int look = g().betLook(m, held);
        ASSERT_GE(look, 0);
        ASSERT_LT(look, 4);
        EXPECT_EQ(look % 2, held) << "the held look is the pressed one of its pair";
      }
    }
  }
}

TEST_P(EveryDescription, EveryRequestOfTheMachineHasItsSound) {
  const CycleRules& rules = MachineModelOfGame(GetParam())->cycle;
  std::set<int> waves(g().sound.waves, g().sound.waves + g().sound.waveCount);
  for (int id : {rules.soundSingleLinedUp, rules.soundMedalBet, rules.soundBetToCredit,
                 rules.soundLateLever, rules.soundReelStart, rules.soundReelRest,
                 rules.soundMedalPaid, rules.soundLastMedal, rules.soundCreditFull}) {
    if (id == 0) continue;
    EXPECT_TRUE(waves.count(id)) << "the machine asks for WAVE " << id << ", which the game lacks";
    int slot = id - kFirstWave;
    ASSERT_GE(slot, 0);
    ASSERT_LT(slot, kWaveSlots);
    EXPECT_TRUE(g().sound.early[slot] != WaveRule::None || g().sound.effects[slot] != WaveRule::None)
        << "WAVE " << id << " is asked for but never played";
  }
  EXPECT_TRUE(waves.count(g().sound.bigTune));
  EXPECT_TRUE(waves.count(g().sound.jacTune));
}

TEST_P(EveryDescription, TickMarksOnlyOnTheirWraps) {
  ResetTickCounters();
  MachineRecord m{};
  m.state = StateIdle;
  m.litLines = 2;
  m.jacStage = 1;
  m.bigGames = 10;
  m.jacWins = 3;
  for (int tick = 0; tick < 64; ++tick) {
    AdvanceTickCounters();
    int bits = TickMarkBits(g(), m, nullptr);
    if (Phase64 != 0) {
      EXPECT_EQ(bits, 0) << "tick " << tick << ": a part redrawn between wraps";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Games, EveryDescription, ::testing::ValuesIn(DescribedGames()),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "No" + std::to_string(info.param);
                         });

}  // namespace
