// Reading the texts of a compiled help file: encodings (UTF-8 pages, Shift-JIS contents), the
// entries of the contents tree and the index, and the links and pictures of a page.
#pragma once

#include <string>
#include <vector>

// True when the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& bytes);

// Decodes code page 932 (Shift-JIS) into UTF-8; false when a byte sequence is not valid there.
bool DecodeCp932(const std::string& bytes, std::string* utf8);

// True when the UTF-8 text holds hiragana, katakana or kanji.
bool HasJapanese(const std::string& utf8);

struct SitemapEntry {
  std::string name;   // param "Name"
  std::string local;  // param "Local"; empty for a heading without a page
};

// The text/sitemap objects of a contents (.hhc) or index (.hhk) file, in order.
std::vector<SitemapEntry> ParseSitemap(const std::string& text);

struct PageFacts {
  std::string title;                  // text of <title>
  bool declaresUtf8 = false;          // a meta tag names charset utf-8
  std::vector<std::string> links;     // href values
  std::vector<std::string> pictures;  // img src values
  std::vector<std::string> anchors;   // id and name values
};

PageFacts ReadPage(const std::string& html);

// A link that leads inside the help file: not a web address, mail address or script.
bool IsInternalLink(const std::string& target);
