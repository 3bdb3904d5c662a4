// The menu the user is browsing (menu bar or popup), or null. While it is set the current
// player's machine does not play itself.
#pragma once

extern void* OpenMenu;
