// What the end-to-end driver asks the probe it loads into the game, and where the answer goes:
// a shared block and two events named after the game's process id. Under Wine one process
// cannot read another's menus, so the probe reads them from inside the game.
#pragma once

#include <windows.h>

enum ProbeRequest {
  ProbeMenuBar = 1,    // the main window's menu bar, every level
  ProbePopupMenu = 2,  // the popup menu being tracked
  ProbeBoxIcon = 3,    // the system icon a message box shows (result: ProbeIcon)
  ProbeEndMenu = 4,    // closes the popup menu being tracked
};

enum ProbeIcon { IconUnknown = 0, IconWarn = 1, IconInfo = 2, IconAsk = 3, IconStop = 4 };

constexpr int kProbeTextBytes = 32000;

struct ProbeBlock {
  LONG request;
  LONG result;
  ULONGLONG window;          // the message box of ProbeBoxIcon
  char text[kProbeTextBytes];  // menus: one item a line, "depth id flags text" (UTF-8)
};

inline void ProbeName(wchar_t* out, const wchar_t* what, DWORD pid) {
  wsprintfW(out, L"MeridolaProbe%lu%s", static_cast<unsigned long>(pid), what);
}
