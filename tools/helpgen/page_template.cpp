// Filling the placeholders of a help page.
#include "tools/helpgen/page_template.h"

bool FillPage(const std::string& page, const PageValues& values, std::string* out,
              std::string* error) {
  out->clear();
  size_t at = 0;
  while (true) {
    size_t open = page.find("{{", at);
    if (open == std::string::npos) break;
    size_t close = page.find("}}", open + 2);
    if (close == std::string::npos) {
      *error = "an opening {{ without }} at byte " + std::to_string(open);
      return false;
    }
    std::string name = page.substr(open + 2, close - open - 2);
    size_t colon = name.find(':');
    auto value = values.find(name.substr(0, colon));
    if (value == values.end()) {
      *error = "no value for {{" + name + "}}";
      return false;
    }
    std::string text = value->second;
    if (colon != std::string::npos) {
      std::string argument = name.substr(colon + 1);
      for (size_t at1 = 0; (at1 = text.find("$1", at1)) != std::string::npos; at1 += argument.size()) {
        text.replace(at1, 2, argument);
      }
    }
    out->append(page, at, open - at);
    out->append(text);
    at = close + 2;
  }
  out->append(page, at, std::string::npos);
  return true;
}

std::string StripHtmlComments(const std::string& text) {
  std::string out;
  size_t at = 0;
  while (true) {
    size_t open = text.find("<!--", at);
    if (open == std::string::npos) break;
    size_t close = text.find("-->", open + 4);
    if (close == std::string::npos) break;
    out.append(text, at, open - at);
    at = close + 3;
    if (at < text.size() && text[at] == '\n') ++at;  // no empty line where the comment stood
  }
  out.append(text, at, std::string::npos);
  return out;
}
