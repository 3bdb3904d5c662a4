// The two shops of the hall, and the flag that tells the hall view to redraw the floor.
#pragma once

#include "hall/shop_record.h"

extern ShopRecord Shops[kShopCount];

// Set whenever the occupancy or the medal boxes of a floor machine change; the hall view
// redraws the whole floor when it finds it set, and clears it.
extern int HallChanged;

// Resets a machine addressed by shop (0 day, 1 night) and floor index (0..16).
void ResetMachine(int shop, int machine, int type);

// Counts the floor machines (0..15) with an occupant into occupiedCount and returns it.
int RecountOccupied(int shop);

// The occupant of a floor machine leaves it: the machine keeps its game and bonus for the next
// one, the shop recounts and the hall view redraws.
void VacateMachine(int shop, int machine);
