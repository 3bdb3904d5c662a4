// The resource-script generator: quoting for the resource compiler and the string table
// written from the game texts.
#include <gtest/gtest.h>

#include "hall/string_table.h"
#include "tools/rcgen/rc_text.h"

namespace {

TEST(RcQuote, EscapesWhatTheResourceCompilerWouldMisread) {
  EXPECT_EQ(RcQuote("Orlido 2"), "\"Orlido 2\"");
  EXPECT_EQ(RcQuote("a \"b\""), "\"a \"\"b\"\"\"");
  EXPECT_EQ(RcQuote("「%s」さん\n止めますか。"), "\"「%s」さん\\n止めますか。\"");
  EXPECT_EQ(RcQuote("C:\\x"), "\"C:\\\\x\"");
  // Exactly two hex digits, so a following letter is never taken into the escape.
  EXPECT_EQ(RcQuote("(\x1e" "D\x1f" "ﾋ)"), "\"(\\x1eD\\x1fﾋ)\"");
}

TEST(StringTableScript, EveryEntryOfTheGameOnce) {
  for (int game = 1; game <= kGameCount; ++game) {
    const std::string script = StringTableScript(game);
    EXPECT_EQ(script.rfind("#pragma code_page(65001)\n", 0), 0u);
    for (int i = 0; i < kStringTableIdCount; ++i) {
      const int id = kStringTableIds[i];
      const std::string line = "\n  " + std::to_string(id) + ", " + RcQuote(GameText(game, id)) + "\n";
      EXPECT_NE(script.find(line), std::string::npos) << "game " << game << " id " << id;
    }
  }
  EXPECT_NE(StringTableScript(3).find("1, \"MERIDOLA No.3\""), std::string::npos);
  EXPECT_NE(GameMacrosScript(1).find("#define GAME_TITLE \"MERIDOLA No.1\"\n"), std::string::npos);
  EXPECT_NE(GameMacrosScript(7).find("#define GAME_MODEL \"Brakolo\"\n"), std::string::npos);
}

}  // namespace
