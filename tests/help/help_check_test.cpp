// The help check on small help files made here: a sound one passes, and each fault a player
// would meet (a missing page, link, anchor or picture, text in the wrong encoding, a page no
// one can reach) is reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/helpcheck/chm_system.h"
#include "tools/helpcheck/help_checks.h"
#include "tools/helpcheck/help_text.h"

namespace fs = std::filesystem;

namespace {

const char kPlaySjis[] = "\x97\x56\x82\xd1\x95\xfb";  // 遊び方 in code page 932

std::string SystemEntry(int code, const std::string& data) {
  std::string entry = {static_cast<char>(code), 0, static_cast<char>(data.size()),
                       static_cast<char>(data.size() >> 8)};
  return entry + data;
}

std::string SystemFile(const std::string& title, uint32_t lcid) {
  std::string lcidBytes = {static_cast<char>(lcid), static_cast<char>(lcid >> 8), 0, 0};
  return std::string("\x03\0\0\0", 4) + SystemEntry(0, std::string("contents.hhc\0", 13)) +
         SystemEntry(1, std::string("index.hhk\0", 10)) +
         SystemEntry(2, std::string("index.html\0", 11)) + SystemEntry(3, title + '\0') +
         SystemEntry(4, lcidBytes + std::string(16, '\0'));
}

std::string Sitemap(const std::string& name, const std::string& page) {
  return "<HTML><BODY><OBJECT type=\"text/site properties\"></OBJECT><UL>"
         "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
         "\"><param name=\"Local\" value=\"" + page + "\"></OBJECT></UL></BODY></HTML>";
}

std::string Page(const std::string& title, const std::string& body) {
  return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
         "<title>" + title + "</title></head><body>" + body + "</body></html>";
}

const char kPng[] = "\x89PNG\r\n\x1a\n";

class HelpCheck : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("help_check_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "pictures");
    Write("#SYSTEM", SystemFile("MERIDOLA No.1 Help", 0x0411));
    Write("contents.hhc", Sitemap(kPlaySjis, "index.html"));
    Write("index.hhk", Sitemap(kPlaySjis, "play.html#lever"));
    Write("index.html", Page("ようこそ", "遊び方は<a href=\"play.html\">こちら</a>"
                                         "<a href=\"https://example.org/\">web</a>"));
    Write("play.html", Page("遊び方", "<h2 id=\"lever\">レバー</h2><img src=\"pictures/a.png\">"
                                      "<a href=\"index.html\">戻る</a>"));
    Write("pictures/a.png", std::string(kPng, 8) + "rest");
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }

  // The failures of the check, all in one text for matching.
  std::string Failures() {
    HelpReport report = CheckExtractedHelp(dir_.string(), 1);
    std::string all;
    for (const std::string& failure : report.failures) all += failure + "\n";
    return all;
  }

  // Every fragment must be part of some reported failure.
  void ExpectReported(std::initializer_list<const char*> fragments) {
    std::string failures = Failures();
    for (const char* fragment : fragments) {
      EXPECT_NE(failures.find(fragment), std::string::npos)
          << "\"" << fragment << "\" not reported; reported:\n" << failures;
    }
  }

  fs::path dir_;
};

TEST_F(HelpCheck, ASoundHelpPasses) {
  HelpReport report = CheckExtractedHelp(dir_.string(), 1);
  EXPECT_TRUE(report.failures.empty()) << Failures();
  EXPECT_EQ(report.topics, 1);
  EXPECT_EQ(report.indexEntries, 1);
  EXPECT_EQ(report.pages, 2);
  EXPECT_EQ(report.pictures, 1);
  EXPECT_EQ(report.links, 2);
}

TEST_F(HelpCheck, MissingPagesLinksAnchorsAndPicturesAreFound) {
  Write("contents.hhc", Sitemap(kPlaySjis, "rules.html"));
  Write("index.hhk", Sitemap(kPlaySjis, "play.html#stop"));
  Write("play.html", Page("遊び方", "<img src=\"pictures/b.png\"><a href=\"keys.html\">キー</a>"
                                    "<a href=\"index.html#top\">上</a>"));
  ExpectReported({"rules.html not found", "picture pictures/b.png not found",
                  "keys.html leads nowhere", "anchor #top"});
}

TEST_F(HelpCheck, WrongEncodingsAreFound) {
  Write("contents.hhc", Sitemap("遊び方", "index.html"));  // left in UTF-8
  Write("play.html", std::string("<html><head><title>\x97\x56</title></head><body>\x82\xd1</body></html>"));
  ExpectReported({"contents.hhc is not Shift-JIS", "play.html: not UTF-8"});
  Write("play.html", Page("Play", "only English <a href=\"index.html\">back</a>"));
  Write("index.html", "<html><head><title>ようこそ</title></head><body><a href=\"play.html\">遊び方</a></body></html>");
  ExpectReported({"play.html: title \"Play\" is not Japanese",
                  "index.html: does not declare charset utf-8"});
}

TEST_F(HelpCheck, TheViewersTitleLanguageAndOrphansAreChecked) {
  Write("#SYSTEM", SystemFile("MERIDOLA No.2 Help", 0x0409));
  Write("lost.html", Page("迷子", "どこからも来られません"));
  Write("pictures/c.png", "GIF89a");
  Write("index.html", Page("ようこそ", "<a href=\"play.html\">遊び方</a><img src=\"pictures/c.png\">"));
  ExpectReported({"not Japanese (0x0411)", "window title \"MERIDOLA No.2 Help\"",
                  "lost.html: no way to it", "c.png is not a PNG"});
}

TEST(HelpText, ReadsSitemapsPagesAndEncodings) {
  std::vector<SitemapEntry> entries = ParseSitemap(
      "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT>"
      "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"遊び方\"></OBJECT>"
      "<UL><LI><object type='text/sitemap'><PARAM NAME=\"Local\" VALUE=\"play.html\">"
      "<param name=\"Name\" value=\"台\"></object></UL>");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "遊び方");
  EXPECT_EQ(entries[0].local, "");
  EXPECT_EQ(entries[1].name, "台");
  EXPECT_EQ(entries[1].local, "play.html");

  PageFacts facts = ReadPage(
      "<meta charset=\"UTF-8\"><title>表</title><!-- <a href=\"old.html\"> -->"
      "<a href=\"pays.html#top\" name=\"here\">配当</a><img class=\"s\" src=\"p/1.png\">"
      "<td class=\"id\">x</td><div id=\"menu\">");
  EXPECT_TRUE(facts.declaresUtf8);
  EXPECT_EQ(facts.title, "表");
  EXPECT_EQ(facts.links, std::vector<std::string>{"pays.html#top"});
  EXPECT_EQ(facts.pictures, std::vector<std::string>{"p/1.png"});
  EXPECT_EQ(facts.anchors, (std::vector<std::string>{"here", "menu"}));

  EXPECT_TRUE(IsUtf8("遊び方 abc"));
  EXPECT_FALSE(IsUtf8(kPlaySjis));
  EXPECT_FALSE(IsUtf8("\xe3\x81"));  // cut in the middle of a character
  std::string decoded;
  ASSERT_TRUE(DecodeCp932(kPlaySjis, &decoded));
  EXPECT_EQ(decoded, "遊び方");
  EXPECT_FALSE(DecodeCp932("\x81", &decoded));
  EXPECT_TRUE(HasJapanese("JACイン"));
  EXPECT_FALSE(HasJapanese("MERIDOLA No.1 Help"));
  EXPECT_FALSE(IsInternalLink("https://example.org/"));
  EXPECT_TRUE(IsInternalLink("pictures/symbol-1.png"));
}

TEST(ChmSystem, ReadsTitleLanguageAndFilesAndRefusesACutFile) {
  ChmSystem system;
  std::string bytes = SystemFile("MERIDOLA No.3 Help", 0x0411);
  ASSERT_TRUE(ParseChmSystem(bytes, &system));
  EXPECT_EQ(system.title, "MERIDOLA No.3 Help");
  EXPECT_EQ(system.lcid, 0x0411u);
  EXPECT_EQ(system.contentsFile, "contents.hhc");
  EXPECT_EQ(system.indexFile, "index.hhk");
  EXPECT_EQ(system.defaultTopic, "index.html");
  ChmSystem cut;
  EXPECT_FALSE(ParseChmSystem(bytes.substr(0, bytes.size() - 3), &cut));
}

}  // namespace
