// Storage of the shell's options and view state.
#include "base/options.h"

int HallScroll = 0;
int AnnounceOn = 1;
int SoundAvailable = 0;
int SoundOn = 0;
