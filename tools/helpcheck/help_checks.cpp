// What a player's help viewer needs from the file: every page it can be led to exists, is
// readable Japanese, and every picture and link on it can be found.
#include "tools/helpcheck/help_checks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tools/helpcheck/chm_system.h"
#include "tools/helpcheck/help_text.h"
#include "tools/helpcheck/pe_strings.h"

namespace fs = std::filesystem;

namespace {

bool ReadAll(const fs::path& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *bytes = all.str();
  return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A path inside the help, from a page's folder and a relative target, without "." and "..".
std::string Resolve(const std::string& fromPage, const std::string& target) {
  std::string base = fromPage.substr(0, fromPage.find_last_of('/') + 1);
  fs::path joined = fs::path(base + target).lexically_normal();
  return joined.generic_string();
}

class Checker {
 public:
  Checker(const std::string& dir, int game) : dir_(dir), game_(game) {}

  HelpReport Run() {
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      if (entry.is_regular_file()) {
        files_.insert(fs::relative(entry.path(), dir_).generic_string());
      }
    }
    CheckSystem();
    report_.topics = CheckSitemap(system_.contentsFile, "contents", true);
    report_.indexEntries = CheckSitemap(system_.indexFile, "index", false);
    for (const std::string& file : files_) {
      if (EndsWith(file, ".html") || EndsWith(file, ".htm")) CheckPage(file);
    }
    CheckReachable();
    return report_;
  }

 private:
  void Fail(const std::string& what) { report_.failures.push_back(what); }

  bool Has(const std::string& file) const { return files_.count(file) > 0; }

  void CheckSystem() {
    std::string bytes;
    if (!ReadAll(fs::path(dir_) / "#SYSTEM", &bytes) || !ParseChmSystem(bytes, &system_)) {
      Fail("#SYSTEM missing or unreadable");
      return;
    }
    if (system_.lcid != 0x0411) Fail("language is not Japanese (0x0411): " + std::to_string(system_.lcid));
    std::string title;
    if (!DecodeCp932(system_.title, &title) || title != ExpectedHelpTitle(game_)) {
      Fail("window title \"" + system_.title + "\", expected \"" + ExpectedHelpTitle(game_) + "\"");
    }
    if (!Has(system_.defaultTopic)) Fail("default topic \"" + system_.defaultTopic + "\" not found");
    if (system_.contentsFile.empty()) Fail("no contents file named");
    if (system_.indexFile.empty()) Fail("no index file named");
  }

  // The entries of a contents or index file: Shift-JIS Japanese, each page found.
  int CheckSitemap(const std::string& file, const char* what, bool contents) {
    std::string bytes, text;
    if (file.empty()) return 0;
    if (!ReadAll(fs::path(dir_) / file, &bytes)) {
      Fail(std::string(what) + " file " + file + " not found");
      return 0;
    }
    if (!DecodeCp932(bytes, &text)) {
      Fail(std::string(what) + " file " + file + " is not Shift-JIS (code page 932)");
      return 0;
    }
    if (!HasJapanese(text)) Fail(std::string(what) + " file " + file + " holds no Japanese text");
    int pages = 0;
    std::vector<SitemapEntry> entries = ParseSitemap(text);
    for (const SitemapEntry& entry : entries) {
      if (entry.name.empty()) Fail(std::string(what) + ": an entry without a name");
      if (entry.local.empty()) continue;
      std::string page = entry.local.substr(0, entry.local.find('#'));
      if (!Has(page)) Fail(std::string(what) + " entry \"" + entry.name + "\": " + page + " not found");
      if (contents) tocPages_.insert(page);
      ++pages;
    }
    if (pages == 0) Fail(std::string(what) + " file " + file + " leads to no page");
    if (contents) {
      bool howToPlay = std::any_of(entries.begin(), entries.end(),
                                   [](const SitemapEntry& e) { return e.name == "遊び方"; });
      if (!howToPlay) Fail("contents have no entry \"遊び方\" (decoded wrongly?)");
    }
    return pages;
  }

  void CheckPage(const std::string& file) {
    ++report_.pages;
    std::string html;
    ReadAll(fs::path(dir_) / file, &html);
    if (!IsUtf8(html)) {
      Fail(file + ": not UTF-8");
      return;
    }
    PageFacts facts = ReadPage(html);
    if (!facts.declaresUtf8) Fail(file + ": does not declare charset utf-8");
    if (!HasJapanese(facts.title)) Fail(file + ": title \"" + facts.title + "\" is not Japanese");
    if (!HasJapanese(html)) Fail(file + ": no Japanese text");
    if (html.find("{{") != std::string::npos) Fail(file + ": an unfilled {{placeholder}}");
    anchors_[file] = facts.anchors;
    for (const std::string& link : facts.links) {
      if (!IsInternalLink(link)) continue;
      ++report_.links;
      size_t hash = link.find('#');
      std::string target = hash == 0 ? file : Resolve(file, link.substr(0, hash));
      if (!Has(target)) {
        Fail(file + ": link to " + link + " leads nowhere");
        continue;
      }
      links_[file].push_back(target);
      if (hash != std::string::npos) pendingAnchors_.push_back({file, target, link.substr(hash + 1)});
    }
    for (const std::string& picture : facts.pictures) {
      ++report_.pictures;
      std::string target = Resolve(file, picture);
      std::string bytes;
      if (!IsInternalLink(picture) || !ReadAll(fs::path(dir_) / target, &bytes)) {
        Fail(file + ": picture " + picture + " not found");
      } else if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        Fail(file + ": picture " + picture + " is not a PNG");
      }
    }
  }

  // Anchors once every page is read; every page from the contents tree, directly or by links.
  void CheckReachable() {
    for (const auto& [from, target, anchor] : pendingAnchors_) {
      const std::vector<std::string>& names = anchors_[target];
      if (std::find(names.begin(), names.end(), anchor) == names.end()) {
        Fail(from + ": anchor #" + anchor + " not in " + target);
      }
    }
    std::set<std::string> reached(tocPages_.begin(), tocPages_.end());
    std::vector<std::string> work(reached.begin(), reached.end());
    while (!work.empty()) {
      std::string page = work.back();
      work.pop_back();
      for (const std::string& next : links_[page]) {
        if (reached.insert(next).second) work.push_back(next);
      }
    }
    for (const auto& [page, anchors] : anchors_) {
      if (!reached.count(page)) Fail(page + ": no way to it from the contents");
    }
  }

  struct PendingAnchor {
    std::string from, target, anchor;
  };

  std::string dir_;
  int game_;
  std::set<std::string> files_;
  ChmSystem system_;
  HelpReport report_;
  std::set<std::string> tocPages_;
  std::map<std::string, std::vector<std::string>> anchors_;
  std::map<std::string, std::vector<std::string>> links_;
  std::vector<PendingAnchor> pendingAnchors_;
};

}  // namespace

std::string ExpectedHelpFile(int game) { return "Kv440" + std::to_string(game) + ".chm"; }

std::string ExpectedHelpTitle(int game) {
  return "MERIDOLA No." + std::to_string(game) + " Help";
}

HelpReport CheckExtractedHelp(const std::string& dir, int game) {
  return Checker(dir, game).Run();
}

std::vector<std::string> CheckProgramHelpName(const std::string& exePath, int game) {
  std::vector<std::string> failures;
  std::string image, name, error;
  if (!ReadAll(exePath, &image)) return {"cannot read " + exePath};
  if (!ReadProgramString(image, 43, &name, &error)) return {exePath + ": " + error};
  if (name != ExpectedHelpFile(game)) {
    failures.push_back("string 43 of the program is \"" + name + "\", expected \"" +
                       ExpectedHelpFile(game) + "\"");
  }
  fs::path beside = fs::path(exePath).parent_path() / name;
  if (!fs::exists(beside)) failures.push_back(beside.string() + " is not beside the program");
  return failures;
}
