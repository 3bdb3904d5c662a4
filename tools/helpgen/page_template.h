// Help pages are written with placeholders such as {{MODEL_NAME}} that the build fills with the
// game's own data, so a name or a table is written in one place only.
#pragma once

#include <map>
#include <string>

using PageValues = std::map<std::string, std::string>;

// Replaces every {{NAME}} by its value. A placeholder without a value, or an opening {{ without
// its closing }}, fails with a reason naming it.
bool FillPage(const std::string& page, const PageValues& values, std::string* out,
              std::string* error);

// The text without its <!-- --> comments. The compiler's reader of contents and index files
// stops at a comment, so those files go to it without theirs.
std::string StripHtmlComments(const std::string& text);
