// How long the drawing takes under this system: each screen's full paint and the ticks of the
// play screen, the hall slide and the info panel, printed as median and maximum.
#pragma once

int RunViewerTiming();
