// The sound dispatch of the Orlido 2 (also right for the Quessida, which simply never asks for
// the last-medal sound): bonus tunes first, then the effect the machine asked for.
#include "presentation/sound_dispatch.h"

#include "base/options.h"
#include "base/tick_counters.h"

namespace {

void PlayRequest(const MachineRecord& m, WavePlayer play) {
  switch (m.soundRequest) {
    case WaveSingleLinedUp:
    case WaveMedalBet:
    case WaveReelStart:
    case WaveReelRest:
      play(m.soundRequest, WaveOnce);
      break;
    case WaveLateStart:
      // The late-start buzz runs until the reels' start sound replaces it.
      play(0, WaveStop);
      play(WaveLateStart, WaveLoopUnlessBusy);
      break;
    case WaveMedalPaid:
    case WaveLastMedal:
      // A single bonus's JAC game pays silently.
      if (m.singleBonus == 0) play(m.soundRequest, WaveOnce);
      break;
    default:
      break;
  }
}

}  // namespace

void DispatchMachineSound(MachineRecord& m, WavePlayer play) {
  if (!SoundOn) {
    // dropped: switching the sound on later must not replay old requests
  } else if (m.soundRequest == kMarker) {
    play(0, WaveStop);
  } else if (m.jacWins > 0 && m.singleBonus == 0) {
    if (Phase512 == 0) play(WaveJacTune, WaveLoopUnlessBusy);
  } else if (m.bigGames > 0) {
    if (Phase512 == 0) play(WaveBigBonusTune, WaveLoopUnlessBusy);
  } else {
    PlayRequest(m, play);
  }
  m.soundRequest = 0;
}
