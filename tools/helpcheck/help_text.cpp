// Encodings and the small HTML reading the help check needs: attributes of tags, no more.
#include "tools/helpcheck/help_text.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Every tag of the text as its inside ("a href=...", "img src=...").
std::vector<std::string> Tags(const std::string& text) {
  std::vector<std::string> tags;
  size_t at = 0;
  while ((at = text.find('<', at)) != std::string::npos) {
    if (text.compare(at, 4, "<!--") == 0) {
      size_t end = text.find("-->", at);
      if (end == std::string::npos) break;
      at = end + 3;
      continue;
    }
    size_t end = text.find('>', at);
    if (end == std::string::npos) break;
    tags.push_back(text.substr(at + 1, end - at - 1));
    at = end + 1;
  }
  return tags;
}

// The tag's name, lower case.
std::string TagName(const std::string& tag) {
  size_t end = tag.find_first_of(" \t\r\n/", tag.empty() || tag[0] != '/' ? 0 : 1);
  return Lower(tag.substr(0, end));
}

// The value of an attribute of the tag (quoted with " or '), or nothing.
bool Attribute(const std::string& tag, const std::string& name, std::string* value) {
  std::string lower = Lower(tag);
  size_t at = 0;
  while ((at = lower.find(name, at)) != std::string::npos) {
    bool startsWord = at > 0 && std::isspace(static_cast<unsigned char>(lower[at - 1]));
    size_t eq = lower.find_first_not_of(" \t\r\n", at + name.size());
    if (startsWord && eq != std::string::npos && lower[eq] == '=') {
      size_t open = lower.find_first_not_of(" \t\r\n", eq + 1);
      if (open == std::string::npos) return false;
      char quote = tag[open];
      if (quote == '"' || quote == '\'') {
        size_t close = tag.find(quote, open + 1);
        if (close == std::string::npos) return false;
        *value = tag.substr(open + 1, close - open - 1);
      } else {
        size_t close = tag.find_first_of(" \t\r\n", open);
        *value = tag.substr(open, close == std::string::npos ? close : close - open);
      }
      return true;
    }
    at += name.size();
  }
  return false;
}

}  // namespace

bool IsUtf8(const std::string& bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    int follow = c < 0x80                  ? 0
                 : c >= 0xC2 && c <= 0xDF  ? 1
                 : (c & 0xF0) == 0xE0      ? 2
                 : c >= 0xF0 && c <= 0xF4  ? 3
                                           : -1;
    if (follow < 0) return false;
    for (int k = 1; k <= follow; ++k) {
      if (i + k >= bytes.size() || (static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += static_cast<size_t>(follow) + 1;
  }
  return true;
}

bool DecodeCp932(const std::string& bytes, std::string* utf8) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = bytes;
  std::string out(bytes.size() * 3 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  size_t done = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (done == static_cast<size_t>(-1) || inLeft != 0) return false;
  out.resize(out.size() - outLeft);
  *utf8 = out;
  return true;
}

bool HasJapanese(const std::string& utf8) {
  // Hiragana, katakana and the common kanji all start with E3 81..83 or E4..E9 in UTF-8.
  for (size_t i = 0; i + 2 < utf8.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    unsigned char d = static_cast<unsigned char>(utf8[i + 1]);
    if ((c == 0xE3 && d >= 0x81 && d <= 0x83) || (c >= 0xE4 && c <= 0xE9)) return true;
  }
  return false;
}

std::vector<SitemapEntry> ParseSitemap(const std::string& text) {
  std::vector<SitemapEntry> entries;
  bool inEntry = false;
  SitemapEntry entry;
  for (const std::string& tag : Tags(text)) {
    std::string name = TagName(tag), value;
    if (name == "object") {
      inEntry = Attribute(tag, "type", &value) && Lower(value) == "text/sitemap";
      entry = SitemapEntry{};
    } else if (name == "/object" && inEntry) {
      entries.push_back(entry);
      inEntry = false;
    } else if (name == "param" && inEntry && Attribute(tag, "name", &value)) {
      std::string param = Lower(value);
      if (param == "name") Attribute(tag, "value", &entry.name);
      if (param == "local") Attribute(tag, "value", &entry.local);
    }
  }
  return entries;
}

PageFacts ReadPage(const std::string& html) {
  PageFacts facts;
  for (const std::string& tag : Tags(html)) {
    std::string name = TagName(tag), value;
    if (name == "a" && Attribute(tag, "href", &value)) facts.links.push_back(value);
    if (name == "link" && Attribute(tag, "href", &value)) facts.links.push_back(value);
    if (name == "img" && Attribute(tag, "src", &value)) facts.pictures.push_back(value);
    if (Attribute(tag, "id", &value)) facts.anchors.push_back(value);
    if (name == "a" && Attribute(tag, "name", &value)) facts.anchors.push_back(value);
    if (name == "meta") {
      std::string charset = Attribute(tag, "charset", &value) ? value
                            : Attribute(tag, "content", &value) ? value : "";
      if (Lower(charset).find("utf-8") != std::string::npos) facts.declaresUtf8 = true;
    }
  }
  std::string lower = Lower(html);
  size_t open = lower.find("<title>");
  size_t close = lower.find("</title>");
  if (open != std::string::npos && close != std::string::npos && close > open) {
    facts.title = html.substr(open + 7, close - open - 7);
  }
  return facts;
}

bool IsInternalLink(const std::string& target) {
  std::string lower = Lower(target);
  return lower.find(':') == std::string::npos && !lower.empty();
}
