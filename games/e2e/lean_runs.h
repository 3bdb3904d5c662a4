// The lean end-to-end runs every game has: its start (title, the second copy refused), a visit
// played on its face with the keypad and by the machine itself (every part shows one of its
// looks), and the player file shared with game No.1.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Closes the game with a player seated, answering its boxes (question, cash-out, farewell).
void CloseSeated(GameSession& g, const std::wstring& player);

// Prepares the save files for a lean run; false when the run is not one of them.
bool PrepareLeanCase(const std::string& run);
void RunLeanCase(const std::string& run, GameSession& g, const std::wstring& exe,
                 const std::wstring& probe);
