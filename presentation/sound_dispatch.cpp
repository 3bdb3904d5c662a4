// The sound dispatch: a stop request first, then the game's early requests, the bonus tunes,
// and last the effect the machine asked for, each as the game's branch table says.
#include "presentation/sound_dispatch.h"

#include "base/options.h"
#include "base/tick_counters.h"
#include "presentation/game_description.h"

namespace {

WaveRule RuleOf(const WaveRule (&table)[kWaveSlots], int request) {
  int i = request - kFirstWave;
  return i >= 0 && i < kWaveSlots ? table[i] : WaveRule::None;
}

void Play(const MachineRecord& m, int id, WaveRule rule, WavePlayer play) {
  switch (rule) {
    case WaveRule::None:
      break;
    case WaveRule::Once:
      play(id, WaveOnce);
      break;
    case WaveRule::LoopUnlessBusy:
      play(id, WaveLoopUnlessBusy);
      break;
    case WaveRule::StopThenLoop:
      // A buzz that runs until a sound played once replaces it.
      play(0, WaveStop);
      play(id, WaveLoopUnlessBusy);
      break;
    case WaveRule::StopThenOnce:
      play(0, WaveStop);
      play(id, WaveOnce);
      break;
    case WaveRule::OnceWithoutSingle:
      // A single bonus's JAC game pays silently.
      if (m.singleBonus == 0) play(id, WaveOnce);
      break;
    case WaveRule::OnceWithoutBig:
      if (m.bigGames == 0) play(id, WaveOnce);
      break;
  }
}

}  // namespace

void DispatchMachineSound(MachineRecord& m, const SoundSpec& sound, WavePlayer play) {
  const WaveRule early = RuleOf(sound.early, m.soundRequest);
  if (!SoundOn) {
    // dropped: switching the sound on later must not replay old requests
  } else if (m.soundRequest == kMarker) {
    play(0, WaveStop);
  } else if (early != WaveRule::None) {
    Play(m, m.soundRequest, early, play);
  } else if (sound.jacTuneWhen(m)) {
    if (Phase512 == 0) play(sound.jacTune, WaveLoopUnlessBusy);
  } else if (m.bigGames > 0) {
    if (Phase512 == 0) play(sound.bigTune, WaveLoopUnlessBusy);
  } else {
    Play(m, m.soundRequest, RuleOf(sound.effects, m.soundRequest), play);
  }
  m.soundRequest = 0;
}

void DispatchMachineSound(MachineRecord& m, WavePlayer play) {
  DispatchMachineSound(m, ActiveGame().sound, play);
}
