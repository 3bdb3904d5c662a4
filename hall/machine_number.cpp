// Machine numbers skip 4, 9, 14 and 19, numbers the hall never puts on a machine.
#include "hall/machine_number.h"

int MachineNumber(int machineIndex) {
  if (machineIndex < 0 || machineIndex > 15) return 0;
  if (machineIndex < 3) return machineIndex + 1;
  if (machineIndex < 7) return machineIndex + 2;
  if (machineIndex < 11) return machineIndex + 3;
  if (machineIndex < 15) return machineIndex + 4;
  return machineIndex + 5;
}
