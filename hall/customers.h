// Simulated customers: how many may come and stay at each crowd level, and their coming and
// going at the free and customer-held machines of a shop.
#pragma once

#include "machine/machine_record.h"

// Customers arrive only while fewer machines than this are occupied: 0 closed, 8 normal,
// 12 in the opening and peak hours.
int ArrivalCap(int level);
// A customer out of medals may leave only while more machines than this are occupied.
int StayCap(int level);

// Is a bonus running on the machine, as the customer rules see it? The No.2 and No.5 machine
// families (games No.2, No.5 and No.7) keep something else in singleBonus, so only bigGames
// and jacWins count there.
bool CustomerSeesBonus(const MachineRecord& m);

// On the ticks where Phase1024 wraps, at an idle free or customer-held floor machine: a rich
// customer may go home, and a customer may sit down at a free machine.
void CustomerComeAndGo(int shop, int machine);
