// Game No.5's own end-to-end run: the sign bands in the hall, then a JAC stage played with the
// keypad, its BONUS GAME dots read back game by game against the wins and the JAC sequence.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Prepares the save files for the run; false when the run is not game No.5's.
bool PrepareNo5Case(const std::string& run);
void RunNo5Case(const std::string& run, GameSession& g, const std::wstring& exe);
