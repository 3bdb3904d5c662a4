// The number shown on a floor machine: 1 to 20 without the numbers ending in 4 or 9.
#pragma once

// Floor index 0..15 to the machine's number; 0 for any other index.
int MachineNumber(int machineIndex);
