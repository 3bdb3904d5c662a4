// The tick handler in its fixed order: counters, then (unless a command is busy) the visible
// screen, the hall and the info panel. The window layer supplies the steps it owns.
#pragma once

struct TickSteps {
  void (*postNoticeTick)();  // tell the notice dialog that Phase1024 wrapped
  void (*screenTick)();      // the tick of the screen the current slot shows
  void (*hallTick)();        // every machine of both shops, customers and notices
  void (*infoPanelTick)();   // clock, lamps and counters of the info panel
};

// One tick. Steps left null are skipped.
void RunTick(const TickSteps& steps);
