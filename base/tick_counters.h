// The tick's phase counters and blink flags: everything that moves acts on the tick in which a
// counter wraps to 0. Process-wide, as every part of the game reads them.
#pragma once

// Added to every phase counter per tick; the reels derive their step from it.
extern int TickUnit;
extern int Phase64, Phase128, Phase256, Phase512, Phase1024;
extern int Blink64, Blink128, Blink256;
// Set while a command rearranges the screens: the tick then skips all game work.
extern int CommandBusy;

// Everything back to the state at process start (all 0, TickUnit 16).
void ResetTickCounters();

// Step 1 of every tick: advance the counters in the order 64 .. 1024, wrap them at their bound
// and flip the blink flags of 64, 128 and 256. Returns true when Phase1024 wrapped, the tick on
// which the notice dialog must be sent its NoticeTick.
bool AdvanceTickCounters();
