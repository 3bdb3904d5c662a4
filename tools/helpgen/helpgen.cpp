// helpgen: prepares a game's help pages for the compiler. Every page is copied with its
// placeholders filled from the game's string table and machine model (names, files, the symbol,
// strip and pay tables), and the symbol pictures are cut from the game's reel bitmap.
//   helpgen --game N --names symbols.txt [--bitmap 600.bmp] --out DIR PAGE...
// The project file (.hhp) among the pages gets the list of every other file in {{PROJECT_FILES}}.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "hall/string_table.h"
#include "machine/machine_record.h"
#include "tools/bmpconv/dib_file.h"
#include "tools/helpgen/help_tables.h"
#include "tools/helpgen/page_template.h"
#include "tools/helpgen/pay_rules.h"
#include "tools/helpgen/symbol_names.h"
#include "tools/helpgen/symbol_pictures.h"

namespace {

struct Options {
  int game = 0;
  std::string names, bitmap, out;
  std::vector<std::string> pages;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "helpgen: %s\n", message.c_str());
  return 1;
}

bool ReadText(const std::string& path, std::string* text) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, &bytes)) return false;
  text->assign(bytes.begin(), bytes.end());
  return true;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--game" && hasValue) options->game = std::atoi(argv[++i]);
    else if (arg == "--names" && hasValue) options->names = argv[++i];
    else if (arg == "--bitmap" && hasValue) options->bitmap = argv[++i];
    else if (arg == "--out" && hasValue) options->out = argv[++i];
    else if (arg.rfind("--", 0) == 0) return false;
    else options->pages.push_back(arg);
  }
  return options->game >= 1 && options->game <= kGameCount && !options->names.empty() &&
         !options->out.empty() && !options->pages.empty();
}

// Every symbol a table shows must have a name: the strip codes and what they count as.
bool CheckNames(const MachineModel& model, const SymbolNames& names, std::string* error) {
  for (int code : StripCodes(model)) {
    for (int symbol : {code, CountedSymbol(model, code, false), CountedSymbol(model, code, true)}) {
      if (!names.count(symbol)) {
        *error = "symbol " + std::to_string(symbol) + " has no name";
        return false;
      }
    }
  }
  return true;
}

// The seven games of the family, this one marked.
std::string FamilyTable(int game) {
  std::string html =
      "<table class=\"family\">\n<tr><th>ゲーム</th><th>台の名前</th><th>プログラム</th>"
      "<th>ヘルプ</th></tr>\n";
  for (int n = 1; n <= kGameCount; ++n) {
    std::string help = GameText(n, 43);
    std::string program = help.substr(0, help.size() - 4) + ".exe";
    html += std::string(n == game ? "<tr class=\"this\">" : "<tr>") + "<td>" +
            HtmlEscape(GameText(n, 1)) + "</td><td>" + HtmlEscape(GameText(n, 2)) + "</td><td>" +
            program + "</td><td>" + help + "</td></tr>\n";
  }
  return html + "</table>\n";
}

PageValues GameValues(int game, const TableStyle& style) {
  const MachineModel& model = *style.model;
  std::string help = GameText(game, 43);
  PageValues values;
  // Every page starts and ends alike: the doctype, the code page the viewer must read it in,
  // the style sheet and the page's title.
  values["PAGE_START"] =
      "<!DOCTYPE html>\n<html lang=\"ja\"><head>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
      "<title>$1</title><link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\"></head>\n<body>";
  values["PAGE_END"] = "</body></html>";
  values["GAME_NUMBER"] = std::to_string(game);
  values["GAME_TITLE"] = GameText(game, 1);
  values["MODEL_NAME"] = GameText(game, 2);
  values["HALL_FILE"] = GameText(game, 3);
  values["PLAYER_FILE"] = GameText(game, 4);
  values["HELP_FILE"] = help;
  values["PROGRAM_FILE"] = help.substr(0, help.size() - 4) + ".exe";
  // The viewer shows the title in the system's code page: kept to ASCII, it reads right on any.
  values["HELP_TITLE"] = std::string(GameText(game, 1)) + " Help";
  values["SYMBOL_HEIGHT"] = std::to_string(model.symbolHeight);
  values["MAX_PAY"] = std::to_string(kMaxPayPerGame);
  values["MAX_CREDIT"] = std::to_string(kMaxCredit);
  values["FAMILY_TABLE"] = FamilyTable(game);
  values["MACHINE_TABLES"] =
      "<h2>図柄</h2>\n<p>リールには次の図柄があります。個数は、1本のリールの21コマのうちの数です。</p>\n" +
      SymbolTableHtml(style) +
      "<h2>リール配列</h2>\n<p>各リールの図柄の並びです。窓には番号の続いた3コマが上から順に見え、"
      "リールは下へ向かって回ります（21番の次は1番です）。</p>\n" +
      StripTableHtml(style);
  values["PAY_TABLE"] =
      PayTableHtml(style, OrdinaryPayRows(model), false, "レギュラーボーナス（JACゲーム）");
  bool jacInByJacSymbol = false;
  std::vector<PayRow> jacIn = JacInRows(model, &jacInByJacSymbol);
  values["JAC_IN_TABLE"] = PayTableHtml(style, jacIn, jacInByJacSymbol, "JACゲーム（JACイン）");
  values["JAC_GAME_TABLE"] = PayTableHtml(style, JacGameRows(model), true, "JACゲーム");
  return values;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: helpgen --game N --names symbols.txt [--bitmap 600.bmp] --out DIR PAGE...\n");
    return 2;
  }
  const MachineModel* model = MachineModelOfGame(options.game);
  if (model == nullptr) return Fail("no machine for game " + std::to_string(options.game));
  std::string text, error;
  SymbolNames names;
  if (!ReadText(options.names, &text)) return Fail("cannot read " + options.names);
  if (!ParseSymbolNames(text, &names, &error)) return Fail(options.names + ": " + error);
  if (!CheckNames(*model, names, &error)) return Fail(options.names + ": " + error);

  mkdir(options.out.c_str(), 0755);
  std::vector<std::string> written;
  TableStyle style{model, &names, false, 0};
  if (!options.bitmap.empty()) {
    std::string dir = options.out + "/pictures";
    mkdir(dir.c_str(), 0755);
    if (!CutSymbolPictures(options.bitmap, model->symbolHeight, StripCodes(*model), dir,
                           &style.pictureWidth, &error)) {
      return Fail(error);
    }
    style.pictures = true;
    for (int code : StripCodes(*model)) {
      written.push_back("pictures\\symbol-" + std::to_string(code) + ".png");
    }
  }

  PageValues values = GameValues(options.game, style);
  std::set<std::string> pageNames;
  std::string project;
  for (const std::string& page : options.pages) {
    std::string name = BaseName(page);
    if (!pageNames.insert(name).second) return Fail("two pages named " + name);
    if (EndsWith(name, ".hhp")) {
      project = page;
      continue;
    }
    written.push_back(name);
  }
  std::string list;
  for (const std::string& file : written) list += file + "\n";
  values["PROJECT_FILES"] = list;

  for (const std::string& page : options.pages) {
    std::string filled;
    if (!ReadText(page, &text)) return Fail("cannot read " + page);
    if (!FillPage(text, values, &filled, &error)) return Fail(page + ": " + error);
    if (!EndsWith(page, ".hhp")) filled = StripHtmlComments(filled);
    if (!WriteFileBytes(options.out + "/" + BaseName(page),
                        std::vector<uint8_t>(filled.begin(), filled.end()))) {
      return Fail("cannot write " + options.out + "/" + BaseName(page));
    }
  }
  if (project.empty()) return Fail("no project file (.hhp) among the pages");
  return 0;
}
