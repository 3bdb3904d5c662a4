// Help page templates: placeholders filled or refused, comments kept out of the contents and
// index files, symbol names read.
#include <gtest/gtest.h>

#include "tools/helpgen/page_template.h"
#include "tools/helpgen/symbol_names.h"

TEST(PageTemplate, FillsEveryPlaceholderAndRefusesUnknownOnes) {
  std::string out, error;
  PageValues values = {{"MODEL_NAME", "Orlido 2"}, {"HELP_FILE", "Kv4401.chm"}};
  ASSERT_TRUE(FillPage("<h1>{{MODEL_NAME}}</h1>{{HELP_FILE}}{{MODEL_NAME}}", values, &out, &error));
  EXPECT_EQ(out, "<h1>Orlido 2</h1>Kv4401.chmOrlido 2");
  EXPECT_FALSE(FillPage("{{MODEL_NAM}}", values, &out, &error));
  EXPECT_NE(error.find("MODEL_NAM"), std::string::npos) << error;
  EXPECT_FALSE(FillPage("text {{MODEL_NAME", values, &out, &error));
  values["PAGE_START"] = "<title>$1</title><h1>$1</h1>";
  ASSERT_TRUE(FillPage("{{PAGE_START:役と配当}}", values, &out, &error));
  EXPECT_EQ(out, "<title>役と配当</title><h1>役と配当</h1>");
  EXPECT_FALSE(FillPage("{{PAGE_STOP:x}}", values, &out, &error));
  ASSERT_TRUE(FillPage("no placeholder, a } and a {", values, &out, &error));
  EXPECT_EQ(out, "no placeholder, a } and a {");
}

TEST(PageTemplate, CommentsLeaveContentsFiles) {
  EXPECT_EQ(StripHtmlComments("<HTML>\n<!-- two\n lines -->\n<UL>\n<!--x--><LI>"),
            "<HTML>\n<UL>\n<LI>");
  EXPECT_EQ(StripHtmlComments("a <!-- never closed"), "a <!-- never closed");
}

TEST(SymbolNames, ReadsCodesAndNamesAndRefusesBadLines) {
  SymbolNames names;
  std::string error;
  ASSERT_TRUE(ParseSymbolNames("# comment\n0 赤セブン\n\n10\tJAC  \n3 スイカ（JAC）\r\n", &names,
                               &error)) << error;
  EXPECT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], "赤セブン");
  EXPECT_EQ(names[10], "JAC");
  EXPECT_EQ(names[3], "スイカ（JAC）");
  SymbolNames again;
  EXPECT_FALSE(ParseSymbolNames("1 BAR\n1 BAR\n", &again, &error));
  EXPECT_FALSE(ParseSymbolNames("BAR 1\n", &again, &error));
  EXPECT_FALSE(ParseSymbolNames("7\n", &again, &error));
}
