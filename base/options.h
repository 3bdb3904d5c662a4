// Options and view state of the shell that the drawing and sound code read: the hall's slide,
// the announce and sound options.
#pragma once

// Offset of the hall view's slide in progress: +192 after stepping to the previous machine,
// -192 after stepping to the next; the hall screen's tick brings it back to 0, 16 pixels a tick.
extern int HallScroll;

// The Announce option: big bonus notices are shown.
extern int AnnounceOn;

// A wave output device exists (set once at start-up); the Sound option (toggled by the menu).
extern int SoundAvailable;
extern int SoundOn;
