// The four screens a player slot can show.
#pragma once

enum ScreenId {
  ScreenTitle = 0,     // outside the shop
  ScreenHall = 1,      // walking the hall, not seated
  ScreenPlay = 2,      // seated at the machine
  ScreenHallAway = 3,  // looking at the hall while keeping the seat
};
