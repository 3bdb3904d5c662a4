// The handle of the open menu, kept as an opaque pointer so the portable core can read it.
#include "base/open_menu.h"

void* OpenMenu = nullptr;
