// Each game's own end-to-end runs beside the lean ones: a table of the games that have them, so
// that a game adds its run file and one row here.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Prepares the save files for a game's own run; false when the run is none of them.
bool PrepareOwnCase(const std::string& run);
void RunOwnCase(const std::string& run, GameSession& g, const std::wstring& exe);
// The name of a game's own run ("no3" ...), or of the one it plays with a sound device; empty
// when it has none.
std::string OwnRunOf(int game, bool sound);
