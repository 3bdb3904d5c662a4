// End-to-end runs at the edges of a visit: the player file held by another program while the
// game starts, the big-bonus notice with the announce option off and on, the info panel worked
// by real mouse clicks, and closing time reaching a player who looks at the hall and another
// who is not current while the game is being closed.
#include "games/common/resource_ids.h"
#include "games/e2e/visit_edge_cases.h"

#include <cstdio>
#include <vector>

#include "games/e2e/e2e_steps.h"
#include "games/e2e/face_check.h"
#include "machine/machine_record.h"

namespace {

const std::wstring kTaro = L"太郎";
const std::wstring kHanako = L"花子";
const std::wstring kJiro = L"次郎";

std::wstring Farewell(const std::wstring& name) {
  return L"「" + name + L"」さん\nまたのご来店、心よりお待ちしております。";
}
std::wstring StopQuestion(const std::wstring& name) { return L"「" + name + L"」さん\n止めますか。"; }
std::wstring CashOutStart(const std::wstring& name) { return L"「" + name + L"」さん\nメダル "; }

// ---- a player file held by another program -----------------------------------------------

HANDLE heldPlayerFile = INVALID_HANDLE_VALUE;
std::vector<unsigned char> heldBytes;

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  unsigned char chunk[4096];
  DWORD got = 0;
  while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  CloseHandle(f);
  return bytes;
}

// A backup program holds the player file without sharing while the game starts: the game says
// so once, starts without players, and leaves the file exactly as it was.
void RunHeld(GameSession& g) {
  ExpectBox(g, L"「tavri.dat」を読めませんでした。\n他のプログラムが使用中のようです。\n上書きせずに残します。",
            IconWarn, IDOK, "the player file is held by another program");
  CloseHandle(heldPlayerFile);
  heldPlayerFile = INVALID_HANDLE_VALUE;
  g.Command(ID_CMD_ENTER_SHOP);
  ExpectBox(g, L"ﾌﾟﾚｲﾔｰを登録して下さい。", IconWarn, IDOK, "no players were read");
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  Check(g.WaitExit() == 0, "the game ends");
  Check(FileBytes(DataPath("tavri.dat")) == heldBytes, "the held player file is as it was");
  Check(GetFileAttributesA(DataPath("tavri.dat.bad").c_str()) == INVALID_FILE_ATTRIBUTES,
        "nothing was put aside: the file was never judged");
  Check(FileSize(DataPath("Kv4401.dat")) == 6440, "the hall file is saved as usual");
}

// ---- the big-bonus notice and the announce option -----------------------------------------

// Free machines where a JAC stage runs and a big bonus lined up with it waits: the big bonus
// starts at the end of the stage's first game. Index 3 is machine 5, 10 is 13, 11 is 15.
constexpr int kNoticeMachines[] = {3, 10, 11};

void PrepareNotices() {
  PrepareShops(false);
  Shops[ShopDay].machines[3].occupant = OccupantFree;  // eight customers stay: 1, 2, 4..9
  Shops[ShopDay].machines[3].medals = 0;
  Shops[ShopDay].machines[9].occupant = OccupantCustomer;
  Shops[ShopDay].machines[9].medals = 400;
  for (int i : kNoticeMachines) {
    MachineRecord& m = Shops[ShopDay].machines[i];
    m.bigGames = kMarker;
    m.jacWins = 6;
    m.jacGames = 12;
    m.jacStage = 1;
  }
  WriteHall();
  WritePlayers({kTaro.c_str(), kHanako.c_str(), kJiro.c_str()});
}

// The player of this slot sits down at a prepared machine, buys medals and lets it play.
void PlayPrepared(GameSession& g, int slot, int machine, const char* what) {
  if (slot > 0) Do(g, ID_CMD_SLOT_P1 + slot);
  EnterAs(g, slot);
  SitAt(g, machine, what);
  Exchange50(g, what);
  Do(g, ID_CMD_AUTO);
}

bool NoticeSays(const GameSession& g, const std::wstring& text) {
  HWND notice = NoticeDialog(g);
  return notice != nullptr && IsWindowVisible(notice) && g.ItemText(notice, IDC_FIELD_1) == text;
}

void RunNotices(GameSession& g, const std::wstring& exe) {
  PlayPrepared(g, 0, 3, "P1 at machine 5");
  CheckNoticeShown(g, L"5 番台、Big Bonus スタートです。", "machine index 3", 30000);
  Do(g, ID_CMD_MANUAL);

  Do(g, ID_CMD_ANNOUNCE);
  Check(!Checked(g.MenuBar(), ID_CMD_ANNOUNCE), "announce is off");
  PlayPrepared(g, 1, 10, "P2 at machine 13");
  // The first game, a JAC game, goes from its bet to its end; at its end the big bonus starts.
  FaceReference face;
  Picture now;
  HWND play = g.Child(L"Kv4401Play");
  auto betweenGames = [&] {
    bool point = false;
    return CapturePlayWindow(play, now) && face.PaidDisplay(now, &point) >= 0 && point;
  };
  bool played = face.Load(exe) && WaitUntil([&] { return !betweenGames(); }, 20000) &&
                WaitUntil(betweenGames, 30000);
  Check(played, "the first game at machine 13 is played to its end");
  Check(!WaitUntil([&] { return NoticeSays(g, L"13 番台、Big Bonus スタートです。"); }, 3000),
        "with announce off no notice names machine 13");
  Do(g, ID_CMD_MANUAL);

  Do(g, ID_CMD_ANNOUNCE);
  Check(Checked(g.MenuBar(), ID_CMD_ANNOUNCE), "announce is on again");
  PlayPrepared(g, 2, 11, "P3 at machine 15");
  CheckNoticeShown(g, L"15 番台、Big Bonus スタートです。", "machine index 11", 30000);
  Do(g, ID_CMD_MANUAL);

  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  for (const std::wstring& name : {kTaro, kHanako, kJiro}) {
    std::string who = ToUtf8(name);
    ExpectBox(g, StopQuestion(name), IconAsk, IDOK, ("closing: " + who).c_str());
    TakeBox(g, IconInfo, ("closing: cash-out of " + who).c_str());
    ExpectBox(g, Farewell(name), IconInfo, IDOK, ("closing: farewell to " + who).c_str());
  }
  Check(g.WaitExit() == 0, "the game ends");
  if (!Check(LoadHallFile(DataPath("Kv4401.dat").c_str()), "the hall file loads")) return;
  for (int i : kNoticeMachines) {
    const MachineRecord& m = Shops[ShopDay].machines[i];
    Check(m.bigCountDay[2] == 1 && m.bigGames > 0, "machine index %d: its big bonus started (%d today, %d games left)",
          i, m.bigCountDay[2], m.bigGames);
  }
}

// Waits until the screen shows `count` lamps of the face from `first` on lit.
bool LampsLit(const FaceReference& face, HWND play, FaceLamp first, int count, int ms) {
  Picture now;
  return WaitUntil([&] {
    if (!CapturePlayWindow(play, now)) return false;
    for (int k = 0; k < count; ++k) {
      if (face.Lamp(now, static_cast<FaceLamp>(first + k)) != LookLit) return false;
    }
    return true;
  }, ms);
}

// ---- the info panel by mouse ----------------------------------------------------------------

// A real click of the mouse (left or right) at a point of a window, through the system's input.
void Click(HWND window, int x, int y, bool right = false) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
  INPUT in[3] = {};
  in[0].type = INPUT_MOUSE;
  in[0].mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in[0].mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].type = INPUT_MOUSE;
  in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  in[2].type = INPUT_MOUSE;
  in[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(3, in, sizeof(INPUT));
}

// A real key of the keypad, pressed and released.
void RealKey(int digit) {
  INPUT in[2] = {};
  in[0].type = INPUT_KEYBOARD;
  in[0].ki.wVk = static_cast<WORD>(VK_NUMPAD0 + digit);
  in[1] = in[0];
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

// Clicks and waits until the menu bar shows this item checked.
void ClickFor(GameSession& g, HWND window, int x, int y, int checkedId, const char* what) {
  Click(window, x, y);
  bool ok = WaitUntil([&] { return Checked(g.MenuBar(), checkedId); }, 5000);
  Check(ok, "%s: item %d is checked", what, checkedId);
}

void NoPopup(GameSession& g, HWND window, int x, int y, const char* what) {
  Click(window, x, y, true);
  Check(g.PopupMenu().empty(), "%s: a right click opens no menu", what);
}

void RunPanel(GameSession& g, const std::wstring& exe) {
  HWND panel = g.Child(L"Kv4401Info");
  HWND mise = g.PanelControl(5);
  ClickFor(g, mise, 90, 25, ID_CMD_NIGHT_SHOP, "the right half of the shop switch");
  ClickFor(g, mise, 30, 25, ID_CMD_DAY_SHOP, "the left half of the shop switch");
  ClickFor(g, panel, 48, 182, ID_CMD_SLOT_P2, "the P2 tab");
  CheckScreen(g, L"Kv4401Demo", "P2's title");
  ClickFor(g, panel, 112, 182, ID_CMD_SLOT_P4, "the P4 tab");
  ClickFor(g, panel, 16, 182, ID_CMD_SLOT_P1, "the P1 tab");
  NoPopup(g, panel, 64, 120, "the info panel");
  NoPopup(g, g.PanelControl(7), 60, 13, "a panel button");
  Click(g.Child(L"Kv4401Demo"), 100, 100, true);
  Check(!g.PopupMenu().empty(), "control: a right click on the title opens its menu");
  g.EndPopup();

  Click(g.PanelControl(7), 60, 13);  // お店に入る
  HWND choice = g.WaitDialog(L"ﾌﾟﾚｲﾔｰ選択");
  if (!Check(choice != nullptr, "a click on the enter button opens the player choice")) return;
  g.Press(choice, IDOK);
  g.WaitGone(choice);
  CheckScreen(g, L"Kv4401Hall", "after entering");
  Click(g.PanelControl(12), 60, 13);  // 台の選択: the first machine is free
  CheckScreen(g, L"Kv4401Play", "a click on the choose button seats the player");

  HWND tab = g.PanelControl(6);
  Click(tab, 96, 12);
  CheckPanel(g, {6, 18, 19}, "the play options page");
  ClickFor(g, g.PanelControl(18), 90, 13, ID_CMD_AUTO, "the right half of the play mode switch");
  ClickFor(g, g.PanelControl(18), 30, 13, ID_CMD_MANUAL, "the left half of the play mode switch");
  ClickFor(g, g.PanelControl(19), 60, 60, ID_CMD_ORDER_132, "the lower half of the stop order switch");
  ClickFor(g, g.PanelControl(19), 60, 20, ID_CMD_ORDER_123, "the upper half of the stop order switch");
  Click(tab, 30, 12);
  CheckPanel(g, {6, 15, 16, 8, 17}, "the game page");

  Click(g.PanelControl(15), 60, 13);  // 換メダル
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (Check(exchange != nullptr, "a click on the exchange button opens the exchange")) {
    g.Press(exchange, IDOK);
    g.WaitGone(exchange);
  }
  FaceReference face;
  for (int i = 0; i < 3; ++i) RealKey(6);
  bool bet = face.Load(exe) && LampsLit(face, g.Child(L"Kv4401Play"), LampLine0, 5, 5000);
  Check(bet, "after the panel clicks the keypad still bets: three medals light five lines");

  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, StopQuestion(kTaro), IconAsk, IDOK, "closing: question");
  TakeBox(g, IconInfo, "closing: cash-out");
  ExpectBox(g, Farewell(kTaro), IconInfo, IDOK, "closing: farewell");
  Check(g.WaitExit() == 0, "the game ends");
}

// ---- closing time: a player looking at the hall, a player not current -----------------------

constexpr int kFruitMachine = 0;    // the fruit role is already drawn there
constexpr int kOtherMachine = 12;

bool After(int hour, int minute, int second) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return t.wHour * 3600 + t.wMinute * 60 + t.wSecond >= hour * 3600 + minute * 60 + second;
}

// A reel stopped with its keypad key: its STOP lamp goes out and it comes to rest.
bool StopByKey(GameSession& g, const FaceReference& face, HWND play, int reel) {
  Picture before, after;
  Key(g, reel + 1);
  return WaitUntil([&] {
    if (!CapturePlayWindow(play, before) || face.Lamp(before, static_cast<FaceLamp>(LampStop0 + reel)) != LookUnlit) {
      return false;
    }
    Sleep(120);
    return CapturePlayWindow(play, after) && Differences(before, after, 103 + 96 * reel, 141, 60, 128) == 0;
  }, 5000);
}

// Answers the boxes that come, topmost first, until each expected one (by the start of its text)
// was seen once.
void AnswerBoxes(GameSession& g, std::vector<std::wstring> expected, const char* what) {
  while (!expected.empty()) {
    HWND box = g.WaitMessageBox(10000);
    if (!Check(box != nullptr, "%s: a box starting \"%s\" appears", what, ToUtf8(expected[0]).c_str())) return;
    std::wstring text = g.BoxText(box);
    bool known = false;
    for (size_t i = 0; i < expected.size() && !known; ++i) {
      if (text.compare(0, expected[i].size(), expected[i]) != 0) continue;
      expected.erase(expected.begin() + static_cast<long>(i));
      known = true;
    }
    Check(known, "%s: the box \"%s\" was expected", what, ToUtf8(text).c_str());
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
}

void PrepareClosing() {
  PrepareShops(false);
  Shops[ShopDay].machines[kFruitMachine].roleFlags = RoleFruit;
  WriteHall();
  WritePlayers({kTaro.c_str(), kHanako.c_str()});
}

void RunClosingOthers(GameSession& g, const std::wstring& exe) {
  EnterAs(g, 0);
  SitAt(g, kFruitMachine, "P1 seated before closing");
  Exchange50(g, "P1's medals");
  PlayPrepared(g, 1, kOtherMachine, "P2 plays by itself before closing");
  Do(g, ID_CMD_SLOT_P1);
  CheckScreen(g, L"Kv4401Play", "back to P1");

  // After 22:00 P1 plays a game by hand and looks at the hall while it ends.
  WaitUntil([] { return After(22, 0, 3); }, 60000);
  FaceReference face;
  HWND play = g.Child(L"Kv4401Play");
  if (!Check(face.Load(exe), "the face bitmaps load")) return;
  Keys(g, {6, 6, 6, 5});
  Check(LampsLit(face, play, LampStop0, 3, 8000), "P1's game after 22:00 spins");
  Check(StopByKey(g, face, play, 0) && StopByKey(g, face, play, 1), "reels 1 and 2 stop");
  Key(g, 3);
  Do(g, ID_CMD_HALL_VIEW);
  ExpectBox(g, L"閉店時間になりました。", IconInfo, IDOK, "closing while looking at the hall");
  TakeBox(g, IconInfo, "P1's cash-out at closing");
  CheckScreen(g, L"Kv4401Hall", "P1 stands in the hall");
  auto bar = g.MenuBar();
  Check(Has(bar, ID_CMD_SELECT_MACHINE) && Has(bar, ID_CMD_LEAVE_SHOP) && !Has(bar, ID_CMD_BACK_TO_MACHINE), "the hall bar of a player on foot");

  // P2's machine has ended a game in the closed shop meanwhile: the closing waits for P2 at the
  // switch. Closing the game now meets it inside the stop question; OK throughout closes all.
  WaitUntil([] { return After(22, 0, 30); }, 60000);
  PostMessageW(g.Main(), WM_CLOSE, 0, 0);
  ExpectBox(g, Farewell(kTaro), IconInfo, IDOK, "closing: P1's farewell");
  AnswerBoxes(g, {StopQuestion(kHanako), L"閉店時間になりました。", CashOutStart(kHanako)},
              "closing: P2, whom closing time reaches inside the question");
  ExpectBox(g, Farewell(kHanako), IconInfo, IDOK, "closing: P2's farewell");
  int code = g.WaitExit();
  Check(code == 0, "OK throughout ends the game (exit code %d)", code);
}

}  // namespace

bool PrepareEdgeCase(const std::string& run) {
  if (run == "held") {
    PrepareHall(false);
    WritePlayers({kTaro.c_str()});
    heldBytes = FileBytes(DataPath("tavri.dat"));
    heldPlayerFile = CreateFileA(DataPath("tavri.dat").c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    Check(heldPlayerFile != INVALID_HANDLE_VALUE, "the player file is held without sharing");
    return true;
  }
  if (run == "notice") {
    PrepareNotices();
    return true;
  }
  if (run == "panel") {
    PrepareHall(false);
    WritePlayers({kTaro.c_str(), kHanako.c_str()});
    return true;
  }
  if (run == "closing-others") {
    PrepareClosing();
    return true;
  }
  return false;
}

void RunEdgeCase(const std::string& run, GameSession& g, const std::wstring& exe) {
  if (run == "held") RunHeld(g);
  if (run == "notice") RunNotices(g, exe);
  if (run == "panel") RunPanel(g, exe);
  if (run == "closing-others") RunClosingOthers(g, exe);
  if (heldPlayerFile != INVALID_HANDLE_VALUE) CloseHandle(heldPlayerFile);
  heldPlayerFile = INVALID_HANDLE_VALUE;
}
