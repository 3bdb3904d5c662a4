// End-to-end runs of the No.2 face family (games No.2 and No.7): the displays, the gauge, the
// top picture and the lamps read back from the screen in known states, the hall band of
// occupied machines, and the sound item with a sound device.
#pragma once

#include <string>

#include "games/e2e/game_session.h"

// Prepares the save files for a run of the family; false when the run is not one of them.
bool PrepareNo2Case(const std::string& run);
void RunNo2Case(const std::string& run, GameSession& g, const std::wstring& exe);
