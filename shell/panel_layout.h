// The info panel's controls: which ones each screen offers, what each button sends, and the
// hit areas of the player tabs, the day/night switch, the play-mode and stop-order switches
// and the page tab.
#pragma once

// Control ids of the panel: the eleven owner-drawn buttons keep their numbers 7..17; the
// controls with classes of their own take the ids around them.
enum PanelControlId {
  PanelMiseBtn = 5,
  PanelTab = 6,
  PanelGame = 7,
  PanelPlayer = 8,
  PanelExitTitle = 9,
  PanelFore = 10,
  PanelNext = 11,
  PanelChoose = 12,
  PanelReturn = 13,
  PanelExitHall = 14,
  PanelChange = 15,
  PanelHall = 16,
  PanelExitPlay = 17,
  PanelPlayBtn = 18,
  PanelTurnBtn = 19,
};
constexpr int kFirstPanelButton = PanelGame;
constexpr int kLastPanelButton = PanelExitPlay;
constexpr int kPanelControlCount = 15;

// All fifteen, in the order they are hidden before a screen's own are shown.
extern const int kPanelHideOrder[kPanelControlCount];

// The controls of a screen (and, on the play screen, of its panel page) in the order they are
// shown. Returns their number; out holds kPanelControlCount.
int ScreenControlIds(int screen, int panelPage, int* out);

// The controls of one page of the play screen's panel (without the tab).
int PageControlIds(int panelPage, int* out);

// The command an owner-drawn button posts, 0 for any other id.
int PanelButtonCommand(int buttonId);

// Clicks, in the clicked control's own coordinates.
int PlayerTabAt(int x, int y);         // slot 0..3, or -1 outside the tab row (y 170..195)
int ShopCommandAt(int x);              // day below x 60, night from it
int PlayModeCommandAt(int x);          // manual below x 60, automatic from it
int StopOrderCommandAt(int y);         // 1-2-3 above y 41, 1-3-2 from it
int PageAt(int x);                     // page 0 below x 64, page 1 from it

// The info panel's area that shows the current player (x, y, right, bottom).
constexpr int kInfoAreaLeft = 0, kInfoAreaTop = 32, kInfoAreaRight = 128, kInfoAreaBottom = 290;
