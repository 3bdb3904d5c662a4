// What the shell's commands change in the current player's slot, its shop and its machine,
// apart from the windows: each returns whether anything changed, so a command that finds its
// choice already made leaves the screen and the menus alone.
#pragma once

#include <cstdint>

// The day (0) or night (1) shop chosen on the title screen.
bool ChooseShop(int shop);
// Play mode (0 manual, 1 automatic) and stop order (0 for 1-2-3, 1 for 1-3-2) of the seated
// machine; stored with the machine.
bool SetPlayMode(int mode);
bool SetStopOrder(int order);

// The hall cursor one machine back (-1) or on (+1), wrapping 0 <-> 15, with the slide.
void StepHallCursor(int direction);

// Screen changes of the current slot.
void WalkIntoHall();       // after the player was chosen: the hall at the first machine
void LookAtHall();         // seated: look around, keeping the seat
void ReturnToMachine();    // back from looking around

// The command a slot's machine asks for when its slot becomes current: the out-of-medals
// notice, the forced leave at closing time, or 0. lParam is what to post with it.
int PendingCommandOnSwitch(int slot, int32_t& lParam);

// Clears what the machine of a slot asked the play screen to draw and play, so a machine taken
// up again starts from a clean screen.
void ClearMachineRequests(int slot);

// Page of the play screen's info panel; false when it already shows.
bool SetPanelPage(int page);

// Where the notice goes: centred on the 480-pixel screen area across, on the main window down.
struct NoticePlace {
  int x, y;
};
NoticePlace PlaceNotice(int mainLeft, int mainTop, int mainBottom, int noticeWidth,
                        int noticeHeight);
