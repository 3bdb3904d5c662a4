// Texts and numbers: the two text buffers, the per-game entries of the string table, the
// grouped number formats and machine numbers.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "hall/machine_number.h"
#include "hall/number_format.h"
#include "hall/string_table.h"
#include "hall/text.h"
#include "machine/machine_catalog.h"

namespace {
std::string Grouped(int v) {
  char out[kGroupedBytes];
  int n = FormatGrouped(v, out);
  EXPECT_EQ(static_cast<int>(std::strlen(out)), 11);
  EXPECT_EQ(static_cast<size_t>(n), std::string(out).find_first_not_of(' ') == std::string::npos
                                        ? 0u
                                        : 11 - std::string(out).find_first_not_of(' '));
  return out;
}
std::string Trimmed(int v) {
  char out[kGroupedTrimBytes];
  FormatGroupedTrim(v, out);
  return out;
}
}  // namespace

TEST(NumberFormat, GroupsThousandsRightAligned) {
  EXPECT_EQ(Grouped(0), "          0");
  EXPECT_EQ(Grouped(100), "        100");
  EXPECT_EQ(Grouped(999), "        999");
  EXPECT_EQ(Grouped(1000), "      1,000");
  EXPECT_EQ(Grouped(100000), "    100,000");
  EXPECT_EQ(Grouped(1234567), "  1,234,567");
  EXPECT_EQ(Grouped(999999999), "999,999,999");
  EXPECT_EQ(Trimmed(10000), "10,000");
  EXPECT_EQ(Trimmed(0), "0");
  char out[kGroupedBytes];
  EXPECT_EQ(FormatGrouped(1234567, out), 9);
}

TEST(NumberFormat, OutOfRangeValuesKeepTheField) {
  // Beyond the nine digit places the amount is shown at the limit, never overflowing the field.
  EXPECT_EQ(Grouped(1000000000), "999,999,999");
  EXPECT_EQ(Grouped(2147483647), "999,999,999");
  // Negative amounts carry a minus sign before the first digit.
  EXPECT_EQ(Grouped(-5), "         -5");
  EXPECT_EQ(Grouped(-1234), "     -1,234");
  EXPECT_EQ(Grouped(-99999999), "-99,999,999");
  EXPECT_EQ(Grouped(-2147483647 - 1), "-99,999,999");
  EXPECT_EQ(Trimmed(-1200), "-1,200");
}

TEST(Texts, TwoBuffersHoldTwoTexts) {
  SelectMachine(kMachineNo1);
  const char* caption = LoadText(0, 1);
  const char* message = LoadText(1, 13);
  EXPECT_STREQ(caption, "MERIDOLA No.1");
  EXPECT_STREQ(message, "お金が足りません。");
  LoadText(1, 15);
  EXPECT_STREQ(caption, "MERIDOLA No.1");
  EXPECT_STREQ(message, "メダルがありません。") << "the same buffer is replaced";
  EXPECT_STREQ(LoadText(1, 999), "");
  EXPECT_STREQ(LoadText(0, 18), "「%s」さん\nメダル %s枚で %s円と、余り %d枚でした。");
}

TEST(Texts, EveryGameNamesItself) {
  const char* models[] = {"Orlido 2", "Vexamira", "Tarnolet 3", "Pembrix 7",
                          "Sulvano", "Quessida", "Brakolo"};
  for (int game = 1; game <= kGameCount; ++game) {
    std::string n = std::to_string(game);
    EXPECT_EQ(std::string(GameText(game, 1)), "MERIDOLA No." + n);
    EXPECT_STREQ(GameText(game, 2), models[game - 1]);
    EXPECT_LE(std::strlen(GameText(game, 2)), 23u) << "fits a history entry";
    EXPECT_EQ(std::string(GameText(game, 3)), "Kv440" + n + ".dat");
    EXPECT_EQ(std::string(GameText(game, 5)), "【MERIDOLA No." + n + "】と同時には遊べません。");
    EXPECT_EQ(std::string(GameText(game, 43)), "Kv440" + n + ".chm");
    EXPECT_STREQ(GameText(game, 4), "tavri.dat");
  }
  EXPECT_EQ(GameText(0, 1), nullptr);
  EXPECT_EQ(GameText(8, 1), nullptr);
  // Every listed id has a text that fits the 127-byte buffers.
  for (int i = 0; i < kStringTableIdCount; ++i) {
    const char* text = GameText(1, kStringTableIds[i]);
    ASSERT_NE(text, nullptr) << kStringTableIds[i];
    EXPECT_LT(std::strlen(text), 128u) << kStringTableIds[i];
    if (i > 0) {
      EXPECT_LT(kStringTableIds[i - 1], kStringTableIds[i]);
    }
  }
  EXPECT_STREQ(GameText(1, 35), "Ｐ１");
  EXPECT_STREQ(GameText(1, 38), "Ｐ４");
}

TEST(MachineNumbers, SkipFourAndNine) {
  const int expected[16] = {1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 15, 16, 17, 18, 20};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(MachineNumber(i), expected[i]) << i;
  EXPECT_EQ(MachineNumber(16), 0);
  EXPECT_EQ(MachineNumber(-1), 0);
}
