// The game's sounds through the system's PlaySound: effects once, bonus tunes as loops that
// never cut into another sound, and the stop. Silent for good without a wave output device.
#include <windows.h>
#include <mmsystem.h>

#include "presentation/presentation.h"
#include "base/options.h"

static_assert(sizeof(WAVEOUTCAPSA) == 52, "the capabilities record asked for is 52 bytes");

int CheckSoundDevice() {
  WAVEOUTCAPSA caps;
  return waveOutGetDevCapsA(0, &caps, sizeof caps) == MMSYSERR_NOERROR ? 1 : 0;
}

void PlayWave(int waveId, int mode) {
  if (!SoundAvailable) return;
  // The sounds are the program's own; the system's default sound never stands in for them.
  const DWORD once = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT;
  switch (mode) {
    case WaveOnce:
      PlaySoundW(MAKEINTRESOURCEW(waveId), GetModuleHandleW(nullptr), once);
      break;
    case WaveLoopUnlessBusy:
      PlaySoundW(MAKEINTRESOURCEW(waveId), GetModuleHandleW(nullptr), once | SND_LOOP | SND_NOSTOP);
      break;
    case WaveStop:
      PlaySoundW(nullptr, nullptr, 0);
      break;
    default:
      break;
  }
}
