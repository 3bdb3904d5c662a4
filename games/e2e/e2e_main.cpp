// End-to-end runs of a MERIDOLA game under Wine: the real Kv440N.exe driven through its
// windows, menus, boxes and dialogs, with the save files checked after it ends. Each run is one
// start of the game at a time of day the runner fixes; the exit code is the number of failures.
// The game is the one the program's file name names.
//   meridola_e2e RUN GAME.exe PROBE.dll [SHOTS]   RUN: main, visit, restart, closed, and the
//   play screen's play, closing and sound (game No.1's whole set); start, face and family, the
//   lean runs of every game; held, notice, panel and closing-others, the edges of a visit
//   in game No.1; own, the game's own run (own_runs.cpp); shots, shots-night and
//   shots-play take the pictures of make screenshots; hall10 and play10 are long measurements
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "games/common/resource_ids.h"
#include "games/e2e/e2e_steps.h"
#include "games/e2e/lean_runs.h"
#include "games/e2e/own_runs.h"
#include "games/e2e/play_cases.h"
#include "games/e2e/visit_edge_cases.h"

namespace {

// ---- runs ----------------------------------------------------------------------------------

void RunMain(GameSession& g, const std::wstring& exe, const std::wstring& probe) {
  CheckScreen(g, L"Kv4401Demo", "start-up");
  CheckPanel(g, {5, 7, 8, 9}, "title");

  GameSession second(exe, probe);
  if (Check(second.Launch(), "a second copy starts") && Check(second.Inject(), "probe in it")) {
    ExpectBox(second, L"【" + GameTitle() + L"】と同時には遊べません。", IconStop, IDOK,
              "second start");
    int code = second.WaitExit();
    Check(code == 0, "the second copy ends with exit code 0 (got %d)", code);
  }

  auto bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_DAY_SHOP) && !Checked(bar, ID_CMD_NIGHT_SHOP), "title bar: the day shop is checked");
  Check(Checked(bar, ID_CMD_SLOT_P1) && !Checked(bar, ID_CMD_SLOT_P2), "title bar: P1 is checked");
  Check(Greyed(bar, ID_CMD_SOUND) && !Checked(bar, ID_CMD_SOUND), "title bar: no sound device greys sound");
  Check(Checked(bar, ID_CMD_ANNOUNCE), "title bar: announce is checked");
  Check(Has(bar, ID_CMD_ENTER_SHOP) && Has(bar, ID_CMD_EXIT) && !Has(bar, ID_CMD_PREV_MACHINE), "title bar: title items only");
  PostMessageW(g.Child(L"Kv4401Demo"), WM_RBUTTONDOWN, 0, MAKELPARAM(100, 100));
  auto popup = g.PopupMenu();
  Check(Has(popup, ID_CMD_ENTER_SHOP) && Has(popup, ID_CMD_PLAYERS) && Has(popup, ID_CMD_EXIT) && Has(popup, ID_CMD_SLOT_P4),
        "title popup: enter, players, exit, P1-P4");
  Check(!Has(popup, ID_CMD_DAY_SHOP) && Greyed(popup, ID_CMD_SOUND) && Checked(popup, ID_CMD_SLOT_P1),
        "title popup: no shop items, sound greyed, P1 checked");
  g.EndPopup();

  HMENU before = g.MenuHandle();
  Do(g, ID_CMD_DAY_SHOP);
  Check(g.MenuHandle() == before, "choosing the shop already chosen keeps the menu bar");
  Do(g, ID_CMD_NIGHT_SHOP);
  bar = g.MenuBar();
  Check(g.MenuHandle() != before && Checked(bar, ID_CMD_NIGHT_SHOP) && !Checked(bar, ID_CMD_DAY_SHOP),
        "the night shop is checked after choosing it");
  Do(g, ID_CMD_DAY_SHOP);

  g.Command(ID_CMD_ENTER_SHOP);
  ExpectBox(g, L"ﾌﾟﾚｲﾔｰを登録して下さい。", IconWarn, IDOK, "entering without players");

  // The player dialog.
  g.Command(ID_CMD_PLAYERS);
  HWND players = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (!Check(players != nullptr, "the player dialog opens")) return;
  Check(!Enabled(players, IDC_INSPECT) && !Enabled(players, IDC_DELETE) && Enabled(players, IDC_ENROL),
        "no players: only 登録 is enabled");
  RefusedEnrolment(g, players, L"", L"お名前を入力して下さい。", "empty name");
  RefusedEnrolment(g, players, L"Zoé", L"お名前に使えない文字が含まれています。\n別の文字で入力して下さい。",
                   "a name Shift-JIS cannot hold");
  // Fifteen full-width characters are 30 bytes: refused with a word, never cut to eleven.
  RefusedEnrolment(g, players, L"あいうえおかきくけこさしすせそ", L"お名前は全角11文字、半角22文字までです。",
                   "a name over 22 bytes");
  Enrol(g, players, L"太郎");
  Check(ListLine(players, 0) == L"    \t太郎", "the list shows the new player");
  Check(Enabled(players, IDC_INSPECT) && Enabled(players, IDC_DELETE), "照会 and 削除 are enabled");
  RefusedEnrolment(g, players, L"太郎", L"この方は、既に登録して有ります。", "duplicate name");
  Enrol(g, players, kLongName);
  Check(ListLine(players, 1) == L"    \t" + kLongName, "a 22-byte name is kept whole (got \"%s\")",
        ToUtf8(ListLine(players, 1)).c_str());
  for (const wchar_t* name : {L"花子", L"次郎", L"三郎", L"四郎", L"五郎", L"六郎"}) {
    Enrol(g, players, name);
  }
  Check(ListCount(players) == 8, "eight players are listed (got %d)", ListCount(players));
  Check(!Enabled(players, IDC_ENROL), "eight players disable 登録");
  Check(LOWORD(SendMessageW(players, DM_GETDEFID, 0, 0)) == IDOK, "終了 becomes the default");
  SelectLine(players, 0);
  g.Press(players, IDC_DELETE);
  ExpectBox(g, L"「太郎」さんを削除します。", IconWarn, IDOK, "delete question");
  WaitUntil([&] { return ListCount(players) == 7; }, 3000);
  Check(ListLine(players, 0) == L"    \t" + kLongName, "deletion moves the later players up");
  Check(Enabled(players, IDC_ENROL), "登録 is enabled again after a deletion");
  g.Press(players, IDOK);
  g.WaitGone(players);

  // Entering and the hall.
  EnterAs(g, 0);
  CheckPanel(g, {10, 11, 12, 8, 14}, "hall");
  bar = g.MenuBar();
  Check(!Has(bar, ID_CMD_BACK_TO_MACHINE) && Has(bar, ID_CMD_SELECT_MACHINE) && Has(bar, ID_CMD_LEAVE_SHOP), "hall bar lacks 台に戻る");
  PostMessageW(g.Child(L"Kv4401Hall"), WM_RBUTTONDOWN, 0, MAKELPARAM(50, 50));
  popup = g.PopupMenu();
  Check(!Has(popup, ID_CMD_BACK_TO_MACHINE) && Has(popup, ID_CMD_SELECT_MACHINE) && Has(popup, ID_CMD_LEAVE_SHOP), "hall popup lacks 台に戻る");
  g.EndPopup();
  Do(g, ID_CMD_NEXT_MACHINE);  // cursor 0 -> 1, a customer's machine
  g.Command(ID_CMD_SELECT_MACHINE);
  ExpectBox(g, L"他のお客さまが、ご遊技中です。", IconWarn, IDOK, "a customer's machine");
  Do(g, ID_CMD_PREV_MACHINE);
  Do(g, ID_CMD_PREV_MACHINE);  // 1 -> 0 -> 15
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", "seated");
  CheckPanel(g, {6, 15, 16, 8, 17}, "play");
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_MANUAL) && Checked(bar, ID_CMD_ORDER_123) && !Checked(bar, ID_CMD_AUTO),
        "play bar: manual and 1-2-3 are checked");
  before = g.MenuHandle();
  Do(g, ID_CMD_AUTO);
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_AUTO) && !Checked(bar, ID_CMD_MANUAL), "play bar: automatic after choosing it");
  before = g.MenuHandle();
  Do(g, ID_CMD_AUTO);
  Check(g.MenuHandle() == before, "choosing the play mode already set keeps the menu bar");
  Do(g, ID_CMD_MANUAL);
  PostMessageW(g.Child(L"Kv4401Play"), WM_RBUTTONDOWN, 0, MAKELPARAM(50, 50));
  popup = g.PopupMenu();
  Check(Has(popup, ID_CMD_EXCHANGE) && Has(popup, ID_CMD_STOP_PLAYING) && Checked(popup, ID_CMD_MANUAL) && Checked(popup, ID_CMD_ORDER_123),
        "play popup: exchange, stop, mode and order checked");
  g.EndPopup();
  Do(g, ID_CMD_HALL_VIEW);
  CheckScreen(g, L"Kv4401Hall", "looking at the hall");
  CheckPanel(g, {10, 11, 13, 8}, "hall away");
  bar = g.MenuBar();
  Check(Has(bar, ID_CMD_BACK_TO_MACHINE) && !Has(bar, ID_CMD_SELECT_MACHINE) && !Has(bar, ID_CMD_LEAVE_SHOP),
        "away bar: 台に戻る without 台の選択 and お店を出る");
  Do(g, ID_CMD_BACK_TO_MACHINE);
  CheckScreen(g, L"Kv4401Play", "back at the machine");

  // P2 enters and finds machine 15 taken by P1, then sits at 0.
  Do(g, ID_CMD_SLOT_P2);
  CheckScreen(g, L"Kv4401Demo", "P2's title");
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_SLOT_P2) && !Checked(bar, ID_CMD_SLOT_P1), "P2 is checked");
  g.Command(ID_CMD_ENTER_SHOP);
  HWND choice = g.WaitDialog(L"ﾌﾟﾚｲﾔｰ選択");
  if (Check(choice != nullptr, "P2's player choice opens")) {
    Check(!Enabled(choice, IDOK), "選択 is disabled for the player already in the hall");
    g.Press(choice, IDCANCEL);
    g.WaitGone(choice);
  }
  EnterAs(g, 1);
  Do(g, ID_CMD_PREV_MACHINE);  // 0 -> 15
  g.Command(ID_CMD_SELECT_MACHINE);
  ExpectBox(g, L"他のお客さまが、ご遊技中です。", IconWarn, IDOK, "P1's machine");
  Do(g, ID_CMD_NEXT_MACHINE);  // 15 -> 0
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", "P2 seated");

  g.Command(ID_CMD_HIGH_SCORES);
  HWND scores = g.WaitDialog(L"ﾊｲｽｺｱ");
  if (Check(scores != nullptr, "the high scores open")) {
    Check(g.ItemText(scores, IDC_FIELD_1) == L"06/01" && g.ItemText(scores, IDC_FIELD_2) == L"チャンピオン" &&
              g.ItemText(scores, IDC_FIELD_3) == L"12,345",
          "high score place 1 (got \"%s\")", ToUtf8(g.ItemText(scores, IDC_FIELD_3)).c_str());
    Check(g.ItemText(scores, IDC_FIELD_6) == L"0", "an empty place shows 0");
    g.Press(scores, IDOK);
    g.WaitGone(scores);
  }
  g.Command(ID_CMD_VERSION);
  HWND version = g.WaitDialog(L"ﾊﾞｰｼﾞｮﾝ情報");
  if (Check(version != nullptr, "the version box opens")) {
    g.Press(version, IDOK);
    Check(g.WaitGone(version), "the version box closes");
  }

  // Closing with players inside asks P1 first; Cancel keeps everything.
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, L"「" + kLongName + L"」さん\n止めますか。", IconAsk, IDCANCEL, "closing: P1");
  Check(!WaitSignalled(g.process(), 500), "Cancel keeps the game running");
  bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_SLOT_P1), "Cancel leaves P1 current");
  CheckScreen(g, L"Kv4401Play", "after Cancel");

  // P2 buys medals; then the Windows session ends with both seated. The save at once gives the
  // medals back as a cash-out would and closes both visits: no seat is left holding them.
  Do(g, ID_CMD_SLOT_P2);
  Exchange50(g, "P2's medals");
  std::printf("  the session ends\n");
  DWORD_PTR result = 0;
  SendMessageTimeoutW(g.Main(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &result);
  if (Check(LoadHallFile(DataPath(HallFileName().c_str()).c_str()), "the session's end saved the hall")) {
    for (int i : {0, 15}) {
      const MachineRecord& m = Shops[ShopDay].machines[i];
      Check(m.occupant == 0 && m.medals == 0, "machine index %d is free and holds no medals (%d, %d)",
            i, m.occupant, m.medals);
    }
  }
  if (Check(LoadPlayerFile(DataPath("tavri.dat").c_str()), "the session's end saved the players")) {
    const PlayerRecord* hanako = FindRecord(L"花子");
    if (Check(hanako != nullptr, "P2 is in the file")) {
      Check(hanako->purse == 9600 && hanako->carriedMedals == 2,
            "P2's 50 medals came back: purse 9,600 and 2 carried (got %d, %d)", hanako->purse,
            hanako->carriedMedals);
      Check(hanako->history[0].amount == -400 && hanako->losses == 1,
            "P2's visit is closed as a loss of 400 yen (got %d, %d losses)",
            hanako->history[0].amount, hanako->losses);
    }
    const PlayerRecord* first = FindRecord(kLongName);
    Check(first != nullptr && first->wins == 0 && first->losses == 0 && first->history[0].amount == 0,
          "P1's even visit is closed as neither win nor loss");
  }
  std::printf("  the game is ended\n");
  g.Kill();
}

void RunVisit(GameSession& g) {
  EnterAs(g, 0);
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", "seated at machine 0");
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "the exchange opens")) return;
  Check(Trim(g.ItemText(exchange, IDC_FIELD_1)) == L"10,000", "the purse shows 10,000");
  Check(IsDlgButtonChecked(exchange, IDC_MEDALS_50) == BST_CHECKED, "50 medals are preselected");
  g.Press(exchange, IDOK);
  g.WaitGone(exchange);
  g.Command(ID_CMD_EXCHANGE);
  exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "the exchange opens again")) return;
  Check(Trim(g.ItemText(exchange, IDC_FIELD_1)) == L"9,000", "the purse shows 9,000");
  SendDlgItemMessageW(exchange, IDC_MEDALS_50, BM_SETCHECK, BST_UNCHECKED, 0);
  SendDlgItemMessageW(exchange, IDC_MEDALS_500, BM_SETCHECK, BST_CHECKED, 0);
  g.Press(exchange, IDOK);
  ExpectBox(g, L"お金が足りません。", IconWarn, IDOK, "short purse");
  Check(IsWindowVisible(exchange) != FALSE, "the exchange stays open");
  g.Press(exchange, IDCANCEL);
  g.WaitGone(exchange);

  const std::wstring who = L"「" + kLongName + L"」さん\n";
  g.Command(ID_CMD_STOP_PLAYING);
  ExpectBox(g, who + L"止めますか。", IconAsk, IDOK, "stop playing");
  ExpectBox(g, who + L"メダル 50枚で 600円と、余り 2枚でした。", IconInfo, IDOK, "cash-out");
  CheckScreen(g, L"Kv4401Hall", "after standing up");
  g.Command(ID_CMD_LEAVE_SHOP);
  ExpectBox(g, who + L"またのご来店、心よりお待ちしております。", IconInfo, IDOK, "farewell");
  CheckScreen(g, L"Kv4401Demo", "after leaving");

  EnterAs(g, 0);
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", "seated again");
  // Closing with P1 seated and P2 walking the hall, OK throughout.
  Do(g, ID_CMD_SLOT_P2);
  EnterAs(g, 1);
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, who + L"止めますか。", IconAsk, IDOK, "closing: question");
  ExpectBox(g, who + L"メダル 2枚で 0円と、余り 2枚でした。", IconInfo, IDOK, "closing: cash-out");
  ExpectBox(g, who + L"またのご来店、心よりお待ちしております。", IconInfo, IDOK, "closing: farewell");
  ExpectBox(g, L"「花子」さん\nまたのご来店、心よりお待ちしております。", IconInfo, IDOK,
            "closing: P2's farewell");
  int code = g.WaitExit();
  Check(code == 0, "the game ends with exit code 0 (got %d)", code);

  long hall = FileSize(DataPath(HallFileName().c_str()));
  long players = FileSize(DataPath("tavri.dat"));
  Check(hall == 6440, "the hall file has 6440 bytes (got %ld)", hall);
  Check(players == 1856, "the player file has 1856 bytes (got %ld)", players);
  if (Check(LoadPlayerFile(DataPath("tavri.dat").c_str()), "the player file loads")) {
    const PlayerRecord* p = FindRecord(kLongName);
    if (Check(p != nullptr, "the player is in the file")) {
      Check(p->purse == 9600, "purse 9,600 (got %d)", p->purse);
      Check(p->carriedMedals == 2, "2 medals carried (got %d)", p->carriedMedals);
      Check(p->wins == 0 && p->losses == 1, "one loss (got %d wins, %d losses)", p->wins, p->losses);
      Check(p->history[0].amount == 0 && p->history[1].amount == -400,
            "visits of 0 and -400 yen (got %d, %d)", p->history[0].amount, p->history[1].amount);
    }
  }
}

void RunRestart(GameSession& g, const ShopRecord& before) {
  g.Command(ID_CMD_PLAYERS);
  HWND players = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (Check(players != nullptr, "the player dialog opens after a restart")) {
    Check(ListCount(players) == 7 && ListLine(players, 0) == L"    \t" + kLongName,
          "the players survive a restart");
    SelectLine(players, 0);
    g.Press(players, IDC_INSPECT);
    HWND info = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの照会");
    if (Check(info != nullptr, "the player information opens")) {
      Check(Trim(g.ItemText(info, IDC_FIELD_3)) == L"9,600", "the purse survives (got \"%s\")",
            ToUtf8(g.ItemText(info, IDC_FIELD_3)).c_str());
      Check(g.ItemText(info, IDC_FIELD_4) == L" 0", "win rate \" 0\" after one loss");
      Check(g.ItemText(info, IDC_FIELD_2) == L"****", "not in the hall");
      Check(g.ItemText(info, IDC_FIELD_12) == L"" && g.ItemText(info, IDC_FIELD_16) == L"負け",
            "history: an even visit, then a loss");
      g.Press(info, IDOK);
      g.WaitGone(info);
    }
    g.Press(players, IDOK);
    g.WaitGone(players);
  }
  g.Command(ID_CMD_HIGH_SCORES);
  HWND scores = g.WaitDialog(L"ﾊｲｽｺｱ");
  if (Check(scores != nullptr, "the high scores open after a restart")) {
    Check(g.ItemText(scores, IDC_FIELD_3) == L"12,345", "the high score survives");
    g.Press(scores, IDOK);
    g.WaitGone(scores);
  }
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(g.WaitExit() == 0, "nobody inside: the game ends at once");
  if (!Check(LoadHallFile(DataPath(HallFileName().c_str()).c_str()), "the hall file loads")) return;
  const ShopRecord& after = Shops[ShopDay];
  Check(after.lastOpenTime.hour == before.lastOpenTime.hour + 1,
        "an hour later the day shop was open at %d (before %d)", after.lastOpenTime.hour,
        before.lastOpenTime.hour);
  int moved = 0;
  for (int i = 0; i < 16; ++i) {
    int d = after.machines[i].gamesSinceBig - before.machines[i].gamesSinceBig;
    if (d > 5 || d < -5 || after.machines[i].occupant != before.machines[i].occupant) ++moved;
  }
  Check(moved >= 8, "the hour was caught up: %d of 16 machines moved on", moved);
}

void RunClosed(GameSession& g) {
  auto bar = g.MenuBar();
  Check(Checked(bar, ID_CMD_NIGHT_SHOP), "before 10:00 the slot starts in the night shop");
  Do(g, ID_CMD_DAY_SHOP);
  int refusals = 0;
  HWND choice = nullptr;
  WaitUntil([&] {
    g.Command(ID_CMD_ENTER_SHOP);
    HWND box = g.WaitMessageBox(1500);
    if (box != nullptr) {
      if (refusals == 0) {
        Check(g.BoxText(box) == L"【昼のお店】の営業時間は、１０時～２２時です。" &&
                  g.BoxIcon(box) == IconWarn,
              "the day shop refuses before 10:00");
      }
      ++refusals;
      g.Press(box, IDOK);
      g.WaitGone(box);
      return false;
    }
    choice = g.WaitDialog(L"ﾌﾟﾚｲﾔｰ選択", 1000);
    return choice != nullptr;
  }, ID_CMD_HELP_KEY);
  Check(refusals > 0, "entry 10 was shown at 9:59");
  if (Check(choice != nullptr, "after 10:00 the day shop lets the player choose")) {
    g.Press(choice, IDCANCEL);
    g.WaitGone(choice);
    CheckScreen(g, L"Kv4401Demo", "cancelled choice");
  }
  Do(g, ID_CMD_NIGHT_SHOP);
  g.Command(ID_CMD_ENTER_SHOP);
  ExpectBox(g, L"【夜のお店】の営業時間は、２２時～１０時です。", IconWarn, IDOK,
            "the night shop after 10:00");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(g.WaitExit() == 0, "the game ends");
}

void RunShots(GameSession& g) {
  Shot("title");
  HWND players = ShotDialog(g, ID_CMD_PLAYERS, L"ﾌﾟﾚｲﾔｰの情報", "dialog-401-players-empty");
  if (players == nullptr) return;
  g.Press(players, IDC_ENROL);
  HWND enrol = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの登録");
  if (enrol != nullptr) {
    SetDlgItemTextW(enrol, IDC_NAME_EDIT, kLongName.c_str());
    Shot("dialog-402-enrol");
    g.Press(enrol, IDOK);
    g.WaitGone(enrol);
  }
  Enrol(g, players, L"花子");
  Shot("dialog-401-players");
  SelectLine(players, 0);
  g.Press(players, IDC_INSPECT);
  HWND info = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの照会");
  if (info != nullptr) {
    Shot("dialog-403-player");
    g.Press(info, IDOK);
    g.WaitGone(info);
  }
  g.Press(players, IDOK);
  g.WaitGone(players);
  HWND choice = ShotDialog(g, ID_CMD_ENTER_SHOP, L"ﾌﾟﾚｲﾔｰ選択", "dialog-404-choice");
  if (choice == nullptr) return;
  g.Press(choice, IDOK);
  g.WaitGone(choice);
  Sleep(1000);
  Shot("hall");
  g.Command(ID_CMD_NEXT_MACHINE);
  g.Command(ID_CMD_SELECT_MACHINE);
  HWND box = g.WaitMessageBox();
  if (box != nullptr) {
    Shot("message-machine-taken");
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  g.Command(ID_CMD_PREV_MACHINE);
  g.Command(ID_CMD_SELECT_MACHINE);
  Sleep(1000);
  Shot("play");
  HWND exchange = ShotDialog(g, ID_CMD_EXCHANGE, L"メダル交換", "dialog-406-exchange");
  if (exchange != nullptr) {
    g.Press(exchange, IDOK);
    g.WaitGone(exchange);
  }
  HWND scores = ShotDialog(g, ID_CMD_HIGH_SCORES, L"ﾊｲｽｺｱ", "dialog-405-high-scores");
  if (scores != nullptr) {
    g.Press(scores, IDOK);
    g.WaitGone(scores);
  }
  HWND version = ShotDialog(g, ID_CMD_VERSION, L"ﾊﾞｰｼﾞｮﾝ情報", "dialog-407-version");
  if (version != nullptr) {
    g.Press(version, IDOK);
    g.WaitGone(version);
  }
  g.Command(ID_CMD_STOP_PLAYING);
  box = g.WaitMessageBox();
  if (box != nullptr) {
    Shot("message-stop-question");
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  box = g.WaitMessageBox();
  if (box != nullptr) {
    Shot("message-cash-out");
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  box = g.WaitMessageBox();
  if (box != nullptr) {
    Shot("message-farewell");
    g.Press(box, IDOK);
  }
  g.WaitExit();
}

void RunNightShot(GameSession& g) {
  EnterAs(g, 0);
  Sleep(1500);
  Shot("hall-night");
  Do(g, ID_CMD_PREV_MACHINE);
  Sleep(1500);
  Shot("hall-night-machine-15");
}

// Ten minutes of the hall screen for the tick statistics: one player walks in and stays.
void RunHallTenMinutes(GameSession& g) {
  g.Command(ID_CMD_PLAYERS);
  HWND players = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの情報");
  if (players == nullptr) return;
  Enrol(g, players, L"花子");
  g.Press(players, IDOK);
  g.WaitGone(players);
  EnterAs(g, 0);
  WaitUntil([] { return false; }, MeasureMilliseconds());
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, L"「花子」さん\nまたのご来店、心よりお待ちしております。", IconInfo, IDOK, "farewell");
  Check(g.WaitExit() == 0, "the game ends");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::printf("usage: meridola_e2e main|visit|restart|closed|play|closing|sound|start|face|"
                "family|own|held|notice|panel|closing-others|shots|shots-night|shots-play|hall10|play10 GAME.exe PROBE.dll "
                "[SHOTS-FOLDER]\n");
    return 2;
  }
  if (argc == 5) shotsDir = argv[4];
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  UseGameDocumentsFolder();
  std::string run = argv[1];
  std::wstring exe = Wide(argv[2]);
  std::wstring probe = Wide(argv[3]);
  if (!DriveGameOf(exe)) {
    std::printf("%s names no game of this build\n", argv[2]);
    return 2;
  }
  // "own" is the game's own run, "own-sound" the one with a sound device, when it has them.
  if (run == "own" || run == "own-sound") {
    run = OwnRunOf(DrivenGame(), run == "own-sound");
    if (run.empty()) {
      std::printf("game No.%d has no run of its own\n%s: 0 checks, 0 failed\n", DrivenGame(),
                  argv[1]);
      return 0;
    }
  }
  ShopRecord before{};
  if (run == "restart") {
    if (LoadHallFile(DataPath(HallFileName().c_str()).c_str())) before = Shops[ShopDay];
  } else if (!PreparePlayCase(run) && !PrepareLeanCase(run) && !PrepareOwnCase(run) &&
             !PrepareEdgeCase(run)) {
    PrepareHall(run == "shots-night");
  }
  if (run == "main" || run == "start" || run == "shots" || run == "hall10" || run == "play10") {
    DeleteFileA(DataPath("tavri.dat").c_str());
  }

  GameSession g(exe, probe);
  if (Check(g.Start(), "%s: the game starts", run.c_str())) {
    if (run == "main") RunMain(g, exe, probe);
    if (run == "visit") RunVisit(g);
    if (run == "restart") RunRestart(g, before);
    if (run == "closed") RunClosed(g);
    if (run == "shots") RunShots(g);
    if (run == "shots-night") RunNightShot(g);
    if (run == "hall10") RunHallTenMinutes(g);
    if (run == "play10") RunPlayTenMinutes(g);
    RunPlayCase(run, g, exe);
    RunLeanCase(run, g, exe, probe);
    RunOwnCase(run, g, exe);
    RunEdgeCase(run, g, exe);
  }
  g.Kill();
  std::printf("%s: %d checks, %d failed\n", run.c_str(), CheckCount(), FailureCount());
  return FailureCount();
}
