// Which panel controls each screen shows and what the panel's clicks mean. The tables follow
// the panel artwork: buttons sharing a place on different screens never show together.
#include "shell/panel_layout.h"

#include "shell/command_ids.h"
#include "base/screen_id.h"

const int kPanelHideOrder[kPanelControlCount] = {
    PanelTab,      PanelMiseBtn, PanelGame,   PanelPlayer,   PanelExitTitle,
    PanelFore,     PanelNext,    PanelChoose, PanelExitHall, PanelChange,
    PanelHall,     PanelExitPlay, PanelReturn, PanelPlayBtn, PanelTurnBtn,
};

namespace {

int Copy(const int* from, int n, int* out) {
  for (int i = 0; i < n; ++i) out[i] = from[i];
  return n;
}

}  // namespace

int PageControlIds(int panelPage, int* out) {
  static const int kGamePage[] = {PanelChange, PanelHall, PanelPlayer, PanelExitPlay};
  static const int kPlayPage[] = {PanelPlayBtn, PanelTurnBtn};
  if (panelPage == 1) return Copy(kPlayPage, 2, out);
  return Copy(kGamePage, 4, out);
}

int ScreenControlIds(int screen, int panelPage, int* out) {
  static const int kTitle[] = {PanelMiseBtn, PanelGame, PanelPlayer, PanelExitTitle};
  static const int kHall[] = {PanelFore, PanelNext, PanelChoose, PanelPlayer, PanelExitHall};
  static const int kAway[] = {PanelFore, PanelNext, PanelReturn, PanelPlayer};
  switch (screen) {
    case ScreenTitle: return Copy(kTitle, 4, out);
    case ScreenHall: return Copy(kHall, 5, out);
    case ScreenHallAway: return Copy(kAway, 4, out);
    case ScreenPlay:
      out[0] = PanelTab;
      return 1 + PageControlIds(panelPage, out + 1);
    default: return 0;
  }
}

int PanelButtonCommand(int buttonId) {
  switch (buttonId) {
    case PanelGame: return CmdEnterShop;
    case PanelPlayer: return CmdPlayers;
    case PanelExitTitle: return CmdExit;
    case PanelFore: return CmdPrevMachine;
    case PanelNext: return CmdNextMachine;
    case PanelChoose: return CmdSelectMachine;
    case PanelReturn: return CmdBackToMachine;
    case PanelExitHall: return CmdLeaveShop;
    case PanelChange: return CmdExchange;
    case PanelHall: return CmdHallView;
    case PanelExitPlay: return CmdStopPlaying;
    default: return 0;
  }
}

int PlayerTabAt(int x, int y) {
  if (y < 170 || y > 195 || x < 0) return -1;
  if (x >= 96) return 3;
  return x / 32;
}

int ShopCommandAt(int x) { return x < 60 ? CmdDayShop : CmdNightShop; }
int PlayModeCommandAt(int x) { return x < 60 ? CmdManual : CmdAuto; }
int StopOrderCommandAt(int y) { return y < 41 ? CmdOrder123 : CmdOrder132; }
int PageAt(int x) { return x >= 64 ? 1 : 0; }
