// The "play10" run: a long stretch of play at one machine for the tick statistics.
#include "games/e2e/e2e_steps.h"

void RunPlayTenMinutes(GameSession&) {}
