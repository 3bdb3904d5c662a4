// End-to-end runs of game No.1 at the edges of a visit: a player file another program holds at
// start-up, the big-bonus notice and the announce switch, real mouse clicks on the info panel,
// and closing time reaching a player who looks at the hall or is not the current one.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Writes (and, for "held", holds open) the files an edge run starts from; false when `run` is
// not one of them: held, notice, panel, closing-others.
bool PrepareEdgeCase(const std::string& run);
void RunEdgeCase(const std::string& run, GameSession& g, const std::wstring& exe);
