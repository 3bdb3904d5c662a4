// The tables of a machine's help pages, written as HTML from the machine model: its symbols,
// its reel strips and its pay table, with the symbol pictures cut from the game's artwork.
#pragma once

#include <string>
#include <vector>

#include "machine/machine_model.h"
#include "tools/helpgen/pay_rules.h"
#include "tools/helpgen/symbol_names.h"

struct TableStyle {
  const MachineModel* model = nullptr;
  const SymbolNames* names = nullptr;
  bool pictures = false;  // pictures/symbol-<code>.png exist for every strip code
  int pictureWidth = 0;
};

// The strip codes of the machine, ascending.
std::vector<int> StripCodes(const MachineModel& model);

// Every strip code with its picture, its name, how many each reel holds and how it counts.
std::string SymbolTableHtml(const TableStyle& style);
// The 21 positions of the three reels.
std::string StripTableHtml(const TableStyle& style);
// Pay rows as a table; effectName names what a line starts in this kind of game.
std::string PayTableHtml(const TableStyle& style, const std::vector<PayRow>& rows, bool jacPlay,
                         const char* jacStageName);

// Escapes &, <, > and " for HTML text and attributes.
std::string HtmlEscape(const std::string& text);
