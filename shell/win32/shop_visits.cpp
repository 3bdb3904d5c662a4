// The commands that carry a player through a visit: entering the shop, walking the hall,
// sitting down, looking around and coming back, standing up with the cash-out, leaving the
// shop, switching between P1 to P4, the hall's notices and forced leaves, and taking every
// player out before the game ends. Refusals and questions come before any change; the boxes
// are never shown while CommandBusy holds the hall still.
#include "hall/hall_message.h"
#include "hall/machine_number.h"
#include "hall/medal_exchange.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/seats.h"
#include "hall/string_id.h"
#include "hall/text.h"
#include "hall/visits.h"
#include "shell/command_ids.h"
#include "base/screen_id.h"
#include "base/options.h"
#include "shell/slot_rules.h"
#include "base/tick_counters.h"
#include "shell/win32/shell_windows.h"
#include "shell/win32/wide_text.h"

namespace {

PlayerSlot& Current() { return *CurrentSlot.slot; }

// The screen of the current slot changes: its window, the menu bar and the panel follow.
void ShowNewScreen(int fromScreen) {
  SwitchScreenWindow(fromScreen, Current().screen);
  UpdateMenuBar();
  ShowScreenControls();
}

}  // namespace

int SwitchSlot(int index) {
  if (index < 0 || index >= kPlayerSlots || index == CurrentSlot.index) return 0;
  CommandBusy = 1;
  HWND from = ScreenWindowOf(Current().screen);
  MakeSlotCurrent(index);
  HWND to = ScreenWindowOf(Current().screen);
  if (from != to) ShowWindow(from, SW_HIDE);
  ShowWindow(to, SW_SHOW);
  InvalidateRect(to, nullptr, FALSE);
  ClearMachineRequests(index);
  StopSound();
  UpdateMenuBar();
  ShowScreenControls();
  InvalidateInfoArea();
  int32_t lParam = 0;
  int pending = PendingCommandOnSwitch(index, lParam);
  if (pending != 0) PostMessageW(MainWindow, WM_COMMAND, static_cast<WPARAM>(pending), lParam);
  CommandBusy = 0;
  return 1;
}

int CmdNoticeHandler(LPARAM lParam) {
  int entry = LOWORD(lParam);
  int machine = HIWORD(lParam);
  if (entry == TextBigBonusStart && !AnnounceOn) return 0;
  if (NoticeDialog == nullptr) return 0;
  CommandBusy = 1;
  wchar_t format[kWideTextChars];
  Utf8ToWide(LoadText(1, entry), format, kWideTextChars);
  wchar_t text[1025];
  wsprintfW(text, format, MachineNumber(machine));
  SendMessageW(NoticeDialog, WM_COMMAND, CmdNoticeSetText, reinterpret_cast<LPARAM>(text));
  RECT main, notice;
  GetWindowRect(MainWindow, &main);
  GetWindowRect(NoticeDialog, &notice);
  int w = notice.right - notice.left;
  int h = notice.bottom - notice.top;
  NoticePlace at = PlaceNotice(main.left, main.top, main.bottom, w, h);
  MoveWindow(NoticeDialog, at.x, at.y, w, h, TRUE);
  ShowWindow(NoticeDialog, SW_SHOW);
  CommandBusy = 0;
  return 1;
}

int CmdForcedLeaveHandler(LPARAM lParam) {
  int reason = LOWORD(lParam);
  if (Current().screen == ScreenHallAway) CmdBackToMachineHandler();
  // A forced leave posted for a player who has left meanwhile finds nobody seated.
  if (Current().screen != ScreenPlay) return 0;
  return StopPlaying(reason);
}

int StopPlaying(int reason) {
  PlayerSlot& slot = Current();
  if (slot.screen != ScreenPlay || !SlotIsSeated(slot)) return 0;
  PlayerRecord* player = FindPlayer(slot.name);
  if (reason == kLeaveReasonClosing) {
    ShowHallMessage(MainWindow, Message(TextClosingTime, IconInformation));
  } else {
    HallMessage question =
        NamedMessage(TextStopQuestion, IconQuestion, player != nullptr ? player->name : slot.name);
    if (ShowHallMessage(MainWindow, question) == IDCANCEL) return 0;
  }
  // The box let ticks and posted commands run: a forced leave at closing time may already have
  // taken the player out and cashed the medals. Gone is what OK asked for, so it counts as done;
  // only Cancel answers 0 (closing the game, or the end of the session, would stop there).
  if (slot.screen != ScreenPlay || !SlotIsSeated(slot)) return 1;
  CommandBusy = 1;
  LeaveSeat(CurrentSlot.index);
  ShowNewScreen(ScreenPlay);
  InvalidateInfoArea();
  StopSound();
  CommandBusy = 0;
  ShowHallMessage(MainWindow, CashOut(CurrentSlot.index));
  InvalidateInfoArea();
  return 1;
}

int CmdSelectMachineHandler() {
  if (Current().screen != ScreenHall) return 0;
  // TakeSeat refuses (closed shop, occupied machine) before it changes anything.
  CommandBusy = 1;
  HallMessage refusal = TakeSeat();
  CommandBusy = 0;
  if (refusal.stringId != 0) {
    ShowHallMessage(MainWindow, refusal);
    return 0;
  }
  if (Current().screen != ScreenPlay) return 0;
  CommandBusy = 1;
  InvalidateInfoArea();
  ShowNewScreen(ScreenHall);
  CommandBusy = 0;
  return 1;
}

int CmdBackToMachineHandler() {
  if (Current().screen != ScreenHallAway) return 0;
  CommandBusy = 1;
  ReturnToMachine();
  InvalidateInfoArea();
  ShowNewScreen(ScreenHallAway);
  CommandBusy = 0;
  return 1;
}

int CmdHallViewHandler() {
  if (Current().screen != ScreenPlay) return 0;
  CommandBusy = 1;
  LookAtHall();
  ShowNewScreen(ScreenPlay);
  InvalidateInfoArea();
  StopSound();
  CommandBusy = 0;
  return 1;
}

int CmdPrevNextMachine(int direction) {
  int screen = Current().screen;
  if (screen != ScreenHall && screen != ScreenHallAway) return 0;
  CommandBusy = 1;
  StepHallCursor(direction);
  InvalidateInfoArea();
  CommandBusy = 0;
  return 1;
}

int CmdEnterShopHandler() {
  if (Current().screen != ScreenTitle) return 0;
  HallMessage refusal = EnterShopRefusal();
  if (refusal.stringId != 0) {
    ShowHallMessage(MainWindow, refusal);
    return 0;
  }
  if (DialogBoxParamW(GameInstance, MAKEINTRESOURCEW(IDD_PLAYER_CHOICE), MainWindow, PlayerChoiceDialogProc,
                      0) != 1) {
    return 0;
  }
  CommandBusy = 1;
  WalkIntoHall();
  InvalidateInfoArea();
  ShowNewScreen(ScreenTitle);
  CommandBusy = 0;
  return 1;
}

int CmdLeaveShopHandler() {
  if (Current().screen != ScreenHall) return 0;
  HallMessage farewell = CloseVisit();
  ShowHallMessage(MainWindow, farewell);
  CommandBusy = 1;
  FreeSlotAfterVisit();
  InvalidateInfoArea();
  ShowNewScreen(ScreenHall);
  CommandBusy = 0;
  return 1;
}

int CloseAllPlayers() {
  for (int i = 0; i < kPlayerSlots; ++i) {
    if (PlayerSlots[i].name[0] == '\0') continue;
    SwitchSlot(i);
    if (Current().screen == ScreenHallAway) CmdBackToMachineHandler();
    if (Current().screen == ScreenPlay && !StopPlaying(CmdStopPlaying)) return 0;
    if (Current().screen == ScreenHall) CmdLeaveShopHandler();
  }
  return 1;
}
