// Storage of the shell's options and view state.
#include "shell/shell_state.h"

int HallScroll = 0;
int AnnounceOn = 1;
int SoundAvailable = 0;
int SoundOn = 0;
