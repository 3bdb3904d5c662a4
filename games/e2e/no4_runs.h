// Game No.4's own end-to-end run ("no4"): the Pembrix 7's lamp panel, displays and GAME OVER
// lamp read back in known states, its face in true colours, and the hall machines' sign bands.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Prepares the save files for the run; false when the run is not game No.4's own.
bool PrepareNo4Case(const std::string& run);
void RunNo4Case(const std::string& run, GameSession& g, const std::wstring& exe);
