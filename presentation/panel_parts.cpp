// The looks of the info panel and of the hall machine's lamps, cut at start-up from the panel
// picture (500), the tabs (508), the plates (507), the hall machine (513) and its lamps (515).
#include "games/common/resource_ids.h"
#include "presentation/panel_looks.h"
#include "presentation/surfaces.h"

namespace {

void Piece(const Surface& from, int sx, int sy, int w, int h, int dx, int dy) {
  CopyFromSurface(HallDC, dx, dy, w, h, from, sx, sy);
}

}  // namespace

bool BuildPanelParts(HINSTANCE instance) {
  SourcePicture tabs(instance, IDB_PANEL_PARTS);
  if (!tabs.ok()) return false;
  // P1-P4, 32 pixels each, in four looks of 26 rows: free, free and current, registered,
  // registered and current.
  if (!BeginPart(PlayerTabLooks, 128, 104)) return false;
  Piece(tabs.surface, 0, 0, 128, 104, 0, 0);
  EndPart();
  // The plain panel (title screen) above the counter board with its icons.
  if (!BeginPart(CounterBoardLooks, 128, 2 * panel::kCounterH)) return false;
  Piece(PanelPicture, 0, panel::kCounterY, 128, panel::kCounterH, 0, 0);
  Piece(tabs.surface, 0, 104, 128, panel::kCounterH, 0, panel::kCounterH);
  EndPart();
  if (!BeginPart(PageTabLooks, 128, 48)) return false;
  Piece(tabs.surface, 0, 198, 128, 48, 0, 0);
  EndPart();
  return true;
}

bool BuildBoardParts(HINSTANCE instance) {
  SourcePicture plates(instance, IDB_MACHINE_PLATES);
  if (!plates.ok()) return false;
  // Looks 0-15: each machine's plate as the board prints it, unlit; 16-31: lit.
  if (!BeginPart(MachinePlateLooks, panel::kPlateW, 32 * panel::kPlateH)) return false;
  for (int i = 0; i < kFloorMachines; ++i) {
    PanelPoint at = BoardPlatePosition(i);
    Piece(PanelPicture, at.x, at.y, panel::kPlateW, panel::kPlateH, 0, panel::kPlateH * i);
    Piece(plates.surface, 0, panel::kPlateH * i, panel::kPlateW, panel::kPlateH, 0,
          panel::kPlateH * (16 + i));
  }
  EndPart();
  // Lamp colours by occupant, from the legend printed beside each column of the board.
  if (!BeginPart(OccupancyLampLooks, 2 * panel::kLampSize, 6 * panel::kLampSize)) return false;
  for (int k = 0; k < 6; ++k) {
    Piece(PanelPicture, 38, 39 + 16 * k, panel::kLampSize, panel::kLampSize, 0, panel::kLampSize * k);
    Piece(PanelPicture, 78, 39 + 16 * k, panel::kLampSize, panel::kLampSize, panel::kLampSize,
          panel::kLampSize * k);
  }
  EndPart();
  return true;
}
