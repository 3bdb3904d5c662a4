// The sound synthesiser: recipe parsing and its error reports, note pitches and timing,
// seamless loops, 8-bit quantising and the WAVE header; and every game's own recipes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tools/wavesynth/recipe.h"
#include "tools/wavesynth/synth.h"

namespace {

double Energy(const std::vector<double>& s, double from, double to) {
  double sum = 0;
  for (size_t i = size_t(from * kSampleRate); i < size_t(to * kSampleRate) && i < s.size(); ++i) {
    sum += s[i] * s[i];
  }
  return sum;
}

TEST(Recipe, NotePitches) {
  EXPECT_DOUBLE_EQ(NoteFrequency("a4"), 440.0);
  EXPECT_NEAR(NoteFrequency("c5"), 523.25, 0.01);
  EXPECT_NEAR(NoteFrequency("c#5"), 554.37, 0.01);
  EXPECT_NEAR(NoteFrequency("bb3"), 233.08, 0.01);
  EXPECT_NEAR(NoteFrequency("b3"), 246.94, 0.01);
  EXPECT_EQ(NoteFrequency("h4"), 0.0);
  EXPECT_EQ(NoteFrequency("c"), 0.0);
  EXPECT_EQ(NoteFrequency("c4x"), 0.0);
}

TEST(Recipe, MistakesNameTheirLine) {
  Recipe recipe;
  std::string error;
  EXPECT_FALSE(ParseRecipe("voice\nwave square\nvolume 3\n", &recipe, &error));
  EXPECT_EQ(error, "line 3: unknown command \"volume\"");
  EXPECT_FALSE(ParseRecipe("# two notes\nnotes c5/4 q5/4\n", &recipe, &error));
  EXPECT_EQ(error, "line 2: bad note \"q5/4\"");
  EXPECT_FALSE(ParseRecipe("env 0.1 0.1 2 0.1\nnotes c5/4\n", &recipe, &error));
  EXPECT_EQ(error.substr(0, 7), "line 1:");
  EXPECT_FALSE(ParseRecipe("tone 0.1 440 220 99\n", &recipe, &error));
  EXPECT_FALSE(ParseRecipe("length 1\n", &recipe, &error));  // no note at all
}

TEST(Recipe, SharpsAreNotCommentsAndTimingFollowsTheTempo) {
  Recipe recipe;
  std::string error;
  ASSERT_TRUE(ParseRecipe("tempo 120 # half a second a beat\ngate 0.5\n"
                          "notes c#5/4 r/4 d5/8. e5/16\n",
                          &recipe, &error))
      << error;
  ASSERT_EQ(recipe.events.size(), 3u);
  EXPECT_NEAR(recipe.events[0].fromHz, 554.37, 0.01);
  EXPECT_DOUBLE_EQ(recipe.events[0].hold, 0.25);
  EXPECT_DOUBLE_EQ(recipe.events[1].start, 1.0);
  EXPECT_DOUBLE_EQ(recipe.events[2].start, 1.375);  // after a dotted eighth
}

TEST(Synth, LengthRestsAndLevels) {
  Recipe recipe;
  std::string error;
  ASSERT_TRUE(ParseRecipe("length 1.5\ntempo 120\ngate 1\nenv 0.001 0 1 0.001\n"
                          "notes a4/4 r/4 a4/4\n",
                          &recipe, &error));
  const std::vector<double> samples = RenderRecipe(recipe);
  EXPECT_EQ(samples.size(), 16538u);  // 1.5 s at 11025 Hz
  EXPECT_GT(Energy(samples, 0.05, 0.45), 100.0);
  EXPECT_LT(Energy(samples, 0.55, 0.95), 1e-9);
  EXPECT_GT(Energy(samples, 1.05, 1.45), 100.0);
  double peak = 0;
  for (double s : samples) peak = std::max(peak, std::fabs(s));
  EXPECT_NEAR(peak, 0.5, 0.06);  // the default voice level
}

TEST(Synth, LoopsCarryTheirTailIntoTheStartWithoutAJump) {
  const char* text = "length 1.0\nloop\nwave triangle\nenv 0.01 0 1 0.2\nat 0.5\ntone 0.6 220\n";
  Recipe recipe;
  std::string error;
  ASSERT_TRUE(ParseRecipe(text, &recipe, &error));
  const std::vector<double> looped = RenderRecipe(recipe);
  recipe.loop = false;
  const std::vector<double> cut = RenderRecipe(recipe);
  ASSERT_EQ(looped.size(), 11025u);
  EXPECT_GT(Energy(looped, 0.0, 0.2), 10.0);   // the tail went round
  EXPECT_LT(Energy(cut, 0.0, 0.2), 1e-9);
  double largestStep = 0;
  for (size_t i = 1; i < looped.size(); ++i) {
    largestStep = std::max(largestStep, std::fabs(looped[i] - looped[i - 1]));
  }
  EXPECT_LE(std::fabs(looped.front() - looped.back()), largestStep + 1e-9);
  EXPECT_LT(std::fabs(cut.back()), 0.01);  // a cut sound fades instead of clicking
}

TEST(Synth, QuantisingClipsAroundTheMidpoint) {
  const std::vector<uint8_t> q = QuantizeSamples({0.0, 1.0, -1.0, 2.5, -3.0, 0.5});
  EXPECT_EQ(q, (std::vector<uint8_t>{128, 255, 1, 255, 1, 192}));
}

TEST(WaveFile, HeaderOfAnOddLengthSound) {
  const std::vector<uint8_t> file = EncodeWave({128, 200, 60});
  ASSERT_EQ(file.size(), 44u + 3u + 1u);
  auto u32 = [&file](size_t at) {
    return uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 | uint32_t(file[at + 2]) << 16 |
           uint32_t(file[at + 3]) << 24;
  };
  EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
  EXPECT_EQ(u32(4), file.size() - 8);
  EXPECT_EQ(std::memcmp(&file[8], "WAVEfmt ", 8), 0);
  EXPECT_EQ(u32(16), 16u);
  EXPECT_EQ(u32(20), 1u | 1u << 16);  // PCM, mono
  EXPECT_EQ(u32(24), 11025u);
  EXPECT_EQ(u32(28), 11025u);
  EXPECT_EQ(u32(32), 1u | 8u << 16);  // one byte a frame, 8 bits
  EXPECT_EQ(std::memcmp(&file[36], "data", 4), 0);
  EXPECT_EQ(u32(40), 3u);
  EXPECT_EQ(file[45], 200);
}

// The games' recipes, found beside this test in the source tree.
std::filesystem::path SoundsOfGame(int game) {
  const std::filesystem::path root =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  return root / "games" / ("kv440" + std::to_string(game)) / "sounds";
}

struct GameSounds {
  int game;
  std::set<int> ids;    // the game's WAVE resources
  std::set<int> loops;  // the ones its sound dispatch plays as a loop
};

std::set<int> IdRange(int first, int last) {
  std::set<int> ids;
  for (int id = first; id <= last; ++id) ids.insert(id);
  return ids;
}

// The bonus tunes loop in every game; so does each game's late-start buzz (705, on the
// No.2 family 706, on Sulvano 704) except on Pembrix 7, which buzzes once; Tarnolet 3 also
// loops its big bonus fanfare 703 and its last-medal bells 709.
const GameSounds kGameSounds[] = {
    {1, IdRange(701, 709), {701, 702, 705}},
    {2, IdRange(701, 709), {701, 702, 706}},
    {3, IdRange(701, 709), {701, 702, 703, 705, 709}},
    {4, IdRange(701, 710), {701, 702}},
    {5, IdRange(701, 706), {701, 702, 704}},
    {6, IdRange(701, 708), {701, 702, 705}},
    {7, IdRange(701, 709), {701, 702, 706}},
};

TEST(GameRecipes, EachGameHasExactlyItsSoundsAndEachRendersAudiblyWithoutClipping) {
  for (const GameSounds& game : kGameSounds) {
    SCOPED_TRACE("game No." + std::to_string(game.game));
    const std::filesystem::path folder = SoundsOfGame(game.game);
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    std::set<int> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::filesystem::path path = entry.path();
      if (path.extension() != ".txt") continue;
      SCOPED_TRACE(path.filename().string());
      found.insert(std::atoi(path.stem().string().c_str()));
      std::ifstream in(path);
      std::stringstream text;
      text << in.rdbuf();
      Recipe recipe;
      std::string error;
      ASSERT_TRUE(ParseRecipe(text.str(), &recipe, &error)) << error;
      const std::vector<double> samples = RenderRecipe(recipe);
      const double seconds = double(samples.size()) / kSampleRate;
      EXPECT_GE(seconds, 0.05);
      EXPECT_LE(seconds, 4.0);
      double peak = 0;
      for (double s : samples) peak = std::max(peak, std::fabs(s));
      EXPECT_LE(peak, 1.0);  // beyond full scale the 8-bit samples would clip
      EXPECT_GE(peak, 0.35);
    }
    EXPECT_EQ(found, game.ids);
  }
}

TEST(GameRecipes, SoundsPlayedAsLoopsAreMadeAsLoopsAndJoinWithoutAClick) {
  for (const GameSounds& game : kGameSounds) {
    for (int id : game.ids) {
      SCOPED_TRACE("game No." + std::to_string(game.game) + " sound " + std::to_string(id));
      std::ifstream in(SoundsOfGame(game.game) / (std::to_string(id) + ".txt"));
      std::stringstream text;
      text << in.rdbuf();
      Recipe recipe;
      std::string error;
      ASSERT_TRUE(ParseRecipe(text.str(), &recipe, &error)) << error;
      // A loop recipe wraps its tails to the start: right for a loop, an echo for a sound
      // played once.
      EXPECT_EQ(recipe.loop, game.loops.count(id) == 1);
      if (!recipe.loop) continue;
      const std::vector<uint8_t> q = QuantizeSamples(RenderRecipe(recipe));
      ASSERT_GT(q.size(), 256u);
      // The step from the last sample to the first must be no larger than the steps the
      // sound takes anyway on either side of the seam.
      int nearby = 0;
      for (size_t i = 1; i < 128; ++i) {
        nearby = std::max(nearby, std::abs(int(q[i]) - int(q[i - 1])));
        nearby = std::max(nearby, std::abs(int(q[q.size() - i]) - int(q[q.size() - i - 1])));
      }
      EXPECT_LE(std::abs(int(q.front()) - int(q.back())), nearby);
    }
  }
}

}  // namespace

