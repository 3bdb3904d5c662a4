// The Tarnolet 3's own end-to-end run ("no3"): its hall lamps, blinking bet button, START lamp,
// the dark flash of a winning line and the dark reels of JAC play, read back from the screen.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Prepares the save files for the run; false when `run` is not it.
bool PrepareNo3Case(const std::string& run);
void RunNo3Case(const std::string& run, GameSession& g, const std::wstring& exe);
