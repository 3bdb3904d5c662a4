// Help pages are written with placeholders such as {{MODEL_NAME}} that the build fills with the
// game's own data, so a name or a table is written in one place only.
#pragma once

#include <map>
#include <string>

using PageValues = std::map<std::string, std::string>;

// Replaces every {{NAME}} by its value, and every {{NAME:text}} by its value with $1 replaced by
// the text (the start of a page, with its title). A placeholder without a value, or an opening
// {{ without its closing }}, fails with a reason naming it.
bool FillPage(const std::string& page, const PageValues& values, std::string* out,
              std::string* error);

// The text without its <!-- --> comments. The compiler's reader of contents and index files
// stops at a comment, and a comment before a page's doctype would change how the viewer lays it
// out, so the built help has none: they are notes for whoever edits the sources.
std::string StripHtmlComments(const std::string& text);
