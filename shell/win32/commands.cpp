// The command dispatch of the main window, the simple commands (shop, play mode, stop order,
// options, dialogs, help) and the numeric keypad on the play controls.
#include "hall/player_slot.h"
#include "hall/save_data.h"
#include "machine/auto_operate.h"
#include "presentation/presentation.h"
#include "shell/command_ids.h"
#include "shell/panel_layout.h"
#include "base/screen_id.h"
#include "base/options.h"
#include "shell/slot_rules.h"
#include "base/tick_counters.h"
#include "shell/win32/shell_windows.h"
#include "shell/win32/wide_text.h"

namespace {

void CmdShop(int shop) {
  // Offered on the title screen only.
  if (CurrentSlot.slot->screen != ScreenTitle) return;
  CommandBusy = 1;
  if (ChooseShop(shop)) {
    UpdateMenuBar();
    InvalidatePanelControl(PanelMiseBtn);
    InvalidateInfoArea();
  }
  CommandBusy = 0;
}

void CmdPlayMode(int mode) {
  if (CurrentSlot.slot->screen != ScreenPlay) return;
  CommandBusy = 1;
  if (SetPlayMode(mode)) {
    UpdateMenuBar();
    InvalidatePanelControl(PanelPlayBtn);
  }
  CommandBusy = 0;
}

void CmdStopOrder(int order) {
  if (CurrentSlot.slot->screen != ScreenPlay) return;
  CommandBusy = 1;
  if (SetStopOrder(order)) {
    UpdateMenuBar();
    InvalidatePanelControl(PanelTurnBtn);
  }
  CommandBusy = 0;
}

void CmdSoundToggle() {
  // Without a device the item is greyed; the command changes nothing then.
  if (!SoundAvailable) return;
  CommandBusy = 1;
  SoundOn = !SoundOn;
  UpdateMenuBar();
  StopSound();
  CommandBusy = 0;
}

void CmdAnnounceToggle() {
  CommandBusy = 1;
  AnnounceOn = !AnnounceOn;
  UpdateMenuBar();
  CommandBusy = 0;
}

void Dialog(int id, DLGPROC proc) {
  DialogBoxParamW(GameInstance, MAKEINTRESOURCEW(id), MainWindow, proc, 0);
}

// Once the window stands: the menu bar of the title screen, then, once, any save file that
// could not be read and is therefore left as it is.
void CmdStartup(HWND window) {
  UpdateMenuBar();
  HallMessage warning;
  while (TakeLoadWarning(warning)) ShowHallMessage(window, warning);
}

}  // namespace

void StopSound() { PlayWave(0, WaveStop); }

void DispatchCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  int command = LOWORD(wParam);
  switch (command) {
    case CmdHelpKey:
    case CmdHowToPlay: OpenHelp(window); break;
    case CmdNotice: CmdNoticeHandler(lParam); break;
    case CmdForcedLeave: CmdForcedLeaveHandler(lParam); break;
    case CmdStartupMenu: CmdStartup(window); break;
    case CmdDayShop: CmdShop(0); break;
    case CmdNightShop: CmdShop(1); break;
    case CmdEnterShop: CmdEnterShopHandler(); break;
    case CmdPlayers: Dialog(IDD_PLAYERS, PlayerDialogProc); break;
    case CmdExit:
      if (CloseAllPlayers()) DestroyWindow(window);
      break;
    case CmdPrevMachine: CmdPrevNextMachine(-1); break;
    case CmdNextMachine: CmdPrevNextMachine(+1); break;
    case CmdSelectMachine: CmdSelectMachineHandler(); break;
    case CmdBackToMachine: CmdBackToMachineHandler(); break;
    case CmdLeaveShop: CmdLeaveShopHandler(); break;
    case CmdExchange:
      if (CurrentSlot.slot->screen == ScreenPlay) Dialog(IDD_EXCHANGE, ExchangeDialogProc);
      break;
    case CmdHallView: CmdHallViewHandler(); break;
    case CmdStopPlaying: StopPlaying(CmdStopPlaying); break;
    case CmdManual: CmdPlayMode(0); break;
    case CmdAuto: CmdPlayMode(1); break;
    case CmdOrder123: CmdStopOrder(0); break;
    case CmdOrder132: CmdStopOrder(1); break;
    case CmdSound: CmdSoundToggle(); break;
    case CmdAnnounce: CmdAnnounceToggle(); break;
    case CmdHighScores: Dialog(IDD_HIGH_SCORES, HighScoreDialogProc); break;
    case CmdVersion: Dialog(IDD_VERSION, VersionDialogProc); break;
    default:
      if (command >= CmdSlotP1 && command <= CmdSlotP4) SwitchSlot(command - CmdSlotP1);
      break;
  }
}

void HandleKey(UINT message, WPARAM key) {
  if (CurrentSlot.slot->screen != ScreenPlay) return;
  int control;
  switch (key) {
    case VK_NUMPAD1: control = ControlStop1; break;
    case VK_NUMPAD2: control = ControlStop2; break;
    case VK_NUMPAD3: control = ControlStop3; break;
    case VK_NUMPAD4: control = ControlBetButton; break;
    case VK_NUMPAD5: control = ControlStartLever; break;
    case VK_NUMPAD6: control = ControlMedalIn; break;
    default: return;
  }
  HWND window = PlayControlWindow(control);
  if (window == nullptr) return;
  SendMessageW(window, message == WM_KEYDOWN ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, 0);
}
