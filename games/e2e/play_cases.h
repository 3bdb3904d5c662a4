// End-to-end runs of game No.1's play screen: play, closing, sound, and shots-play for the
// pictures of make screenshots.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Writes the hall and player files a play run starts from; false when `run` is not one.
bool PreparePlayCase(const std::string& run);
void RunPlayCase(const std::string& run, GameSession& g, const std::wstring& exe);
