// How the menu bar and the right-click popup of the current screen are adjusted: which menu,
// which items are removed, which are checked, whether the sound item is greyed.
#pragma once

constexpr int kMenuPlanMax = 6;

struct MenuPlan {
  int menuId;                    // 301..303 for a bar, 310..312 for a popup
  int removed[2];                // commands deleted from the menu
  int removedCount;
  int checked[kMenuPlanMax];     // commands that carry a check mark
  int checkedCount;
  bool soundGreyed;              // no wave output device
};

// The bar of the current slot's screen (with the shop check on the title screen).
MenuPlan BarMenuPlan();
// The popup of the current slot's screen (no shop check).
MenuPlan PopupMenuPlan();
