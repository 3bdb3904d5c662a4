// The two shops of the hall, and the flag that tells the hall view to redraw the floor.
#pragma once

#include "hall/shop_record.h"

extern ShopRecord Shops[kShopCount];

// Set whenever the occupancy or the medal boxes of a floor machine change; the hall view
// redraws the whole floor when it finds it set, and clears it.
extern int HallChanged;

// Resets a machine addressed by shop (0 day, 1 night) and floor index (0..16).
void ResetMachine(int shop, int machine, int type);
