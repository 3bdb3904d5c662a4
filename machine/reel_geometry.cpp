// The symbol window: three rows of each reel as the player sees them.
#include "machine/reel_geometry.h"

SymbolWindow ReadSymbolWindow(const MachineModel& model, const MachineRecord& m, bool jacPlay) {
  SymbolWindow w;
  for (int reel = 0; reel < kReelCount; ++reel) {
    for (int row = 0; row < 3; ++row) w.cell[reel][row] = SymbolAfter(model, m, reel, row, 0, jacPlay);
  }
  return w;
}
