// The drawing checked on screen under Wine: lamps, digits, sprites and colours read back from
// the window in known states. Returns the number of failures.
#pragma once

int RunViewerChecks();
