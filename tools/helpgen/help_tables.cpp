// HTML tables of a machine's help: every cell names its symbols and shows their pictures.
#include "tools/helpgen/help_tables.h"

#include <algorithm>

namespace {

std::string NameOf(const TableStyle& style, int code) {
  auto name = style.names->find(code);
  return name == style.names->end() ? "?" : name->second;
}

std::string Picture(const TableStyle& style, int code) {
  if (!style.pictures) return "";
  int height = style.model->symbolHeight;
  return "<img class=\"symbol\" src=\"pictures/symbol-" + std::to_string(code) +
         ".png\" width=\"" + std::to_string(style.pictureWidth) + "\" height=\"" +
         std::to_string(height) + "\" alt=\"" + HtmlEscape(NameOf(style, code)) + "\">";
}

// One strip code: its picture above its name.
std::string CodeCell(const TableStyle& style, int code) {
  std::string cell = Picture(style, code);
  if (!cell.empty()) cell += "<br>";
  return cell + HtmlEscape(NameOf(style, code));
}

// A counted symbol: the pictures of every strip code that counts as it, and its name.
std::string CountedCell(const TableStyle& style, int symbol, bool jacPlay) {
  std::string pictures;
  for (int code : StripCodes(*style.model)) {
    if (CountedSymbol(*style.model, code, jacPlay) == symbol) pictures += Picture(style, code);
  }
  if (!pictures.empty()) pictures += "<br>";
  return pictures + HtmlEscape(NameOf(style, symbol));
}

std::string ReelCell(const TableStyle& style, const std::vector<int>& symbols, bool jacPlay) {
  if (symbols.empty()) return "<td class=\"any\">どれでも</td>";
  std::string cell = "<td>";
  for (size_t i = 0; i < symbols.size(); ++i) {
    if (i > 0) cell += "<br>または<br>";
    cell += CountedCell(style, symbols[i], jacPlay);
  }
  return cell + "</td>";
}

std::string EffectText(int effects, const char* jacStageName) {
  std::string text;
  if (effects & EffectBigBonus) text += "ビッグボーナス";
  if (effects & EffectJacStage) text += (text.empty() ? "" : "、") + std::string(jacStageName);
  if (effects & EffectSingleBonus) text += (text.empty() ? "" : "、") + std::string("シングルボーナス");
  return text.empty() ? "－" : text;
}

}  // namespace

std::vector<int> StripCodes(const MachineModel& model) {
  std::vector<int> codes;
  for (int r = 0; r < kReelCount; ++r) {
    codes.insert(codes.end(), model.strips[r], model.strips[r] + kStripLength);
  }
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  return codes;
}

std::string SymbolTableHtml(const TableStyle& style) {
  const MachineModel& model = *style.model;
  std::string html =
      "<table class=\"symbols\">\n<tr><th>図柄</th><th>左リール</th><th>中リール</th>"
      "<th>右リール</th><th>数え方</th></tr>\n";
  for (int code : StripCodes(model)) {
    html += "<tr><td>" + CodeCell(style, code) + "</td>";
    for (int r = 0; r < kReelCount; ++r) {
      int count = static_cast<int>(std::count(model.strips[r], model.strips[r] + kStripLength, code));
      html += "<td class=\"number\">" + std::to_string(count) + "個</td>";
    }
    int ordinary = CountedSymbol(model, code, false);
    int jac = CountedSymbol(model, code, true);
    std::string note;
    if (ordinary != code) note += "ふだんは「" + HtmlEscape(NameOf(style, ordinary)) + "」";
    if (jac != ordinary) {
      note += (note.empty() ? "" : "、") + std::string("JACゲームでは「") +
              HtmlEscape(NameOf(style, jac)) + "」";
    }
    html += "<td>" + (note.empty() ? std::string("－") : note + "として数えます") + "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string StripTableHtml(const TableStyle& style) {
  std::string html =
      "<table class=\"strips\">\n<tr><th>番号</th><th>左リール</th><th>中リール</th>"
      "<th>右リール</th></tr>\n";
  for (int i = 0; i < kStripLength; ++i) {
    html += "<tr><td class=\"number\">" + std::to_string(i + 1) + "</td>";
    for (int r = 0; r < kReelCount; ++r) {
      html += "<td>" + CodeCell(style, style.model->strips[r][i]) + "</td>";
    }
    html += "</tr>\n";
  }
  return html + "</table>\n";
}

std::string PayTableHtml(const TableStyle& style, const std::vector<PayRow>& rows, bool jacPlay,
                         const char* jacStageName) {
  std::string html =
      "<table class=\"pays\">\n<tr><th>左リール</th><th>中リール</th><th>右リール</th>"
      "<th>配当</th><th>ボーナス</th></tr>\n";
  for (const PayRow& row : rows) {
    html += "<tr>";
    for (int r = 0; r < kReelCount; ++r) html += ReelCell(style, row.symbols[r], jacPlay);
    html += "<td class=\"number\">" + std::to_string(row.result.medals) + "枚</td><td>" +
            EffectText(row.result.effects, jacStageName) + "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string HtmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}
