// How a machine's sound request becomes a sound, by the branch table of the game's description,
// and the dispatch the play screen runs every tick for the machine it shows.
#pragma once

#include "machine/machine_record.h"

// Play modes: once replaces whatever plays; loop-unless-busy starts a loop only in silence;
// stop silences everything.
enum WaveMode { WaveOnce = 0, WaveLoopUnlessBusy = 1, WaveStop = 2 };

// The WAVE resources of game No.1 (the other games number theirs by their own machines).
enum WaveId {
  WaveBigBonusTune = 701,
  WaveJacTune = 702,
  WaveSingleLinedUp = 703,
  WaveMedalBet = 704,
  WaveLateStart = 705,
  WaveReelStart = 706,
  WaveReelRest = 707,
  WaveMedalPaid = 708,
  WaveLastMedal = 709,
};

// Whatever plays the sounds: the system's sound service in the game, a recorder in tests.
using WavePlayer = void (*)(int waveId, int mode);

struct SoundSpec;

// Once per play-screen tick, first thing, for the machine of the current slot: turns its
// request into at most one stop and one play, and clears the request whatever happened. With
// the Sound option off the request is dropped. A stop request stops; then the requests the game
// plays before its bonus branches; during a JAC stage or a big bonus only the tune is heard,
// (re)started on the ticks where Phase512 wraps; else the effect the machine asked for.
void DispatchMachineSound(MachineRecord& m, const SoundSpec& sound, WavePlayer play);
// The same with the active game's sounds.
void DispatchMachineSound(MachineRecord& m, WavePlayer play);
