// One tick of the game: the counters always advance (and the notice dialog ages even while a
// command is busy); the screen, the hall and the panel only move when no command is busy.
#include "shell/tick_handler.h"

#include "base/tick_counters.h"

void RunTick(const TickSteps& steps) {
  if (AdvanceTickCounters() && steps.postNoticeTick) steps.postNoticeTick();
  if (CommandBusy) return;
  if (steps.screenTick) steps.screenTick();
  if (steps.hallTick) steps.hallTick();
  if (steps.infoPanelTick) steps.infoPanelTick();
}
