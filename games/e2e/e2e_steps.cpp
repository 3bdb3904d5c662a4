// The steps every end-to-end run of a game shares: answering boxes, reading menus, lists and
// panels, enrolling and entering players, preparing the hall file and asking for screenshots.
#include "games/common/resource_ids.h"
#include "games/e2e/e2e_steps.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "games/e2e/face_check.h"
#include "hall/data_folder.h"
#include "hall/player_roster.h"

std::string Hex(const std::wstring& s) { return ToUtf8(s); }

int MeasureMilliseconds() {
  char text[16];
  DWORD n = GetEnvironmentVariableA("MERIDOLA_MEASURE_SECONDS", text, sizeof text);
  int seconds = n > 0 && n < sizeof text ? std::atoi(text) : 0;
  return seconds > 0 ? seconds * 1000 : 10 * 60 * 1000;
}

// A message box of the game with this text and icon, answered with `button`.
bool ExpectBox(GameSession& g, const std::wstring& text, int icon, int button, const char* what) {
  std::printf("  %s\n", what);
  HWND box = g.WaitMessageBox();
  if (!Check(box != nullptr, "%s: a message box appears", what)) return false;
  wchar_t caption[64];
  GetWindowTextW(box, caption, 64);
  // Every box carries the title of the game that shows it.
  Check(GameTitle(GameNumberOf(g.exe())) == caption, "%s: caption is the title (got \"%s\")", what,
        Hex(caption).c_str());
  std::wstring shown = g.BoxText(box);
  Check(shown == text, "%s: text \"%s\" (got \"%s\")", what, Hex(text).c_str(), Hex(shown).c_str());
  int seen = g.BoxIcon(box);
  Check(seen == icon, "%s: icon %d (got %d)", what, icon, seen);
  g.Press(box, button);
  bool gone = g.WaitGone(box);
  std::printf("  %s answered\n", what);
  return Check(gone, "%s: the box closes", what);
}

// A command the game handles at once (no box or dialog): sent, so it is done on return.
void Do(const GameSession& g, int id) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(g.Main(), WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL, 5000, &result);
}

void KeypadKey(const GameSession& g, int digit, bool down) {
  DWORD_PTR result = 0;
  WPARAM key = static_cast<WPARAM>(VK_NUMPAD0 + digit);
  SendMessageTimeoutW(g.Main(), down ? WM_KEYDOWN : WM_KEYUP, key, down ? 1 : 0xC0000001,
                      SMTO_NORMAL, 5000, &result);
}

int AnswerBoxesUntilExit(GameSession& g) {
  for (HWND box; (box = g.WaitMessageBox(3000)) != nullptr;) {
    g.Press(box, IDOK);
    g.WaitGone(box);
  }
  return g.WaitExit();
}

bool Checked(const std::vector<MenuItemState>& menu, int id) {
  const MenuItemState* item = FindItem(menu, id);
  return item != nullptr && (item->flags & MF_CHECKED) != 0;
}
bool Greyed(const std::vector<MenuItemState>& menu, int id) {
  const MenuItemState* item = FindItem(menu, id);
  return item != nullptr && (item->flags & MF_GRAYED) != 0;
}
bool Has(const std::vector<MenuItemState>& menu, int id) { return FindItem(menu, id) != nullptr; }

// The game shows its screen window before it switches the panel's controls, and both
// happen on its own thread: wait for the whole set before reporting each control.
void CheckPanel(GameSession& g, std::initializer_list<int> shown, const char* screen) {
  auto expected = [&](int id) {
    for (int s : shown) {
      if (s == id) return true;
    }
    return false;
  };
  WaitUntil([&] {
    for (int id = 5; id <= 19; ++id) {
      if (g.Visible(g.PanelControl(id)) != expected(id)) return false;
    }
    return true;
  }, 5000);
  for (int id = 5; id <= 19; ++id) {
    bool expect = expected(id);
    Check(g.Visible(g.PanelControl(id)) == expect, "%s: panel control %d %s", screen, id,
          expect ? "shown" : "hidden");
  }
}

void CheckScreen(GameSession& g, const wchar_t* visibleClass, const char* what) {
  const wchar_t* screens[] = {L"Kv4401Demo", L"Kv4401Hall", L"Kv4401Play"};
  bool ok = WaitUntil([&] {
    for (const wchar_t* s : screens) {
      if (g.Visible(g.Child(s)) != (wcscmp(s, visibleClass) == 0)) return false;
    }
    return g.Visible(g.Child(L"Kv4401Info"));
  }, 5000);
  Check(ok, "%s: only %s and the info panel are shown", what, ToUtf8(visibleClass).c_str());
}

std::wstring ListLine(HWND dialog, int index) {
  wchar_t line[256] = L"";
  if (SendDlgItemMessageW(dialog, IDC_PLAYER_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < 255) {
    SendDlgItemMessageW(dialog, IDC_PLAYER_LIST, LB_GETTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(line));
  }
  return line;
}

int ListCount(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageW(dialog, IDC_PLAYER_LIST, LB_GETCOUNT, 0, 0));
}

void SelectLine(HWND dialog, int index) {
  SendDlgItemMessageW(dialog, IDC_PLAYER_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PLAYER_LIST)));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring Trim(const std::wstring& s) {
  size_t start = s.find_first_not_of(L' ');
  return start == std::wstring::npos ? L"" : s.substr(start);
}

// Enrols a name through dialog 402 from the open player dialog; the dialog is left for the
// caller when the name is refused.
HWND OpenEnrolment(GameSession& g, HWND players, const std::wstring& name) {
  g.Press(players, IDC_ENROL);
  HWND enrol = g.WaitDialog(L"ﾌﾟﾚｲﾔｰの登録");
  if (!Check(enrol != nullptr, "the enrolment dialog opens")) return nullptr;
  SetDlgItemTextW(enrol, IDC_NAME_EDIT, name.c_str());
  g.Press(enrol, IDOK);
  return enrol;
}

void Enrol(GameSession& g, HWND players, const std::wstring& name) {
  HWND enrol = OpenEnrolment(g, players, name);
  if (enrol != nullptr) Check(g.WaitGone(enrol), "\"%s\" is enrolled", ToUtf8(name).c_str());
}

void RefusedEnrolment(GameSession& g, HWND players, const std::wstring& name,
                      const std::wstring& text, const char* what) {
  HWND enrol = OpenEnrolment(g, players, name);
  if (enrol == nullptr) return;
  ExpectBox(g, text, IconWarn, IDOK, what);
  Check(IsWindowVisible(enrol) != FALSE, "%s: the enrolment dialog stays", what);
  g.Press(enrol, IDCANCEL);
  g.WaitGone(enrol);
}

// ---- files -------------------------------------------------------------------------------

std::string DataPath(const char* name) {
  char path[kPathBytes];
  DataFolder(name, path);
  return path;
}

CalendarTime NowPlusSeconds(int seconds) {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ull;
  ft = FILETIME{t.LowPart, t.HighPart};
  FILETIME local;
  FileTimeToLocalFileTime(&ft, &local);
  SYSTEMTIME st;
  FileTimeToSystemTime(&local, &st);
  CalendarTime c{};
  c.second = st.wSecond;
  c.minute = st.wMinute;
  c.hour = st.wHour;
  c.dayOfMonth = st.wDay;
  c.month = st.wMonth - 1;
  c.years = st.wYear - 1900;
  c.weekday = st.wDayOfWeek;
  static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  bool leap = (st.wYear % 4 == 0 && st.wYear % 100 != 0) || st.wYear % 400 == 0;
  c.dayOfYear = kBefore[st.wMonth - 1] + st.wDay - 1 + (leap && st.wMonth > 2 ? 1 : 0);
  return c;
}

void PrepareShops(bool nightCustomers) {
  ResetShopsToDefaults();
  CalendarTime soon = NowPlusSeconds(120);
  for (ShopRecord& s : Shops) {
    s.lastOpenTime = soon;
    ScoreEntry& e = s.highScores[0];
    std::memcpy(e.date, "06/01", 6);
    WideCharToMultiByte(932, 0, L"チャンピオン", -1, e.text, sizeof e.text, nullptr, nullptr);
    e.amount = 12345;
  }
  for (int shop = 0; shop < (nightCustomers ? 2 : 1); ++shop) {
    for (int i = 1; i <= 8; ++i) {
      Shops[shop].machines[i].occupant = OccupantCustomer;
      Shops[shop].machines[i].medals = 400;
    }
  }
}

void WriteHall() {
  Check(SaveHallFile(DataPath(HallFileName().c_str()).c_str()), "the prepared hall file is written");
}

void PrepareHall(bool nightCustomers) {
  PrepareShops(nightCustomers);
  WriteHall();
}

void WritePlayers(std::initializer_list<const wchar_t*> names) {
  ClearPlayers();
  for (const wchar_t* name : names) {
    char cp932[64];
    WideCharToMultiByte(932, 0, name, -1, cp932, sizeof cp932, nullptr, nullptr);
    HallMessage refusal{};
    Check(EnrolPlayer(cp932, refusal) != 0, "\"%s\" is enrolled in the prepared file",
          ToUtf8(name).c_str());
  }
  Check(SavePlayerFile(DataPath("tavri.dat").c_str()), "the prepared player file is written");
}

long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long>(data.nFileSizeLow);
}

const PlayerRecord* FindRecord(const std::wstring& name) {
  char cp932[kPlayerNameBytes];
  WideCharToMultiByte(932, 0, name.c_str(), -1, cp932, sizeof cp932, nullptr, nullptr);
  for (const PlayerRecord& p : Players) {
    if (p.inUse == 1 && std::strcmp(p.name, cp932) == 0) return &p;
  }
  return nullptr;
}

void EnterAs(GameSession& g, int line) {
  g.Command(ID_CMD_ENTER_SHOP);
  HWND choice = g.WaitDialog(L"ﾌﾟﾚｲﾔｰ選択");
  if (!Check(choice != nullptr, "the player choice opens")) return;
  SelectLine(choice, line);
  Check(Enabled(choice, IDOK), "選択 is enabled for a player outside the hall");
  g.Press(choice, IDOK);
  g.WaitGone(choice);
  CheckScreen(g, L"Kv4401Hall", "after entering");
}

void SitAt(GameSession& g, int machine, const char* what) {
  // The hall cursor starts at machine 0; FORE walks back from there.
  for (int i = 0; i < (16 - machine) % 16; ++i) Do(g, ID_CMD_PREV_MACHINE);
  g.Command(ID_CMD_SELECT_MACHINE);
  CheckScreen(g, L"Kv4401Play", what);
}

// ---- the keypad, boxes, the exchange and the notice ------------------------------------------

void Key(const GameSession& g, int digit) {
  KeypadKey(g, digit, true);
  KeypadKey(g, digit, false);
}

void Keys(const GameSession& g, std::initializer_list<int> digits) {
  for (int d : digits) Key(g, d);
}

std::wstring TakeBox(GameSession& g, int icon, const char* what) {
  HWND box = g.WaitMessageBox(10000);
  if (!Check(box != nullptr, "%s: a message box appears", what)) return L"";
  std::wstring text = g.BoxText(box);
  int seen = g.BoxIcon(box);
  Check(seen == icon, "%s: icon %d (got %d)", what, icon, seen);
  g.Press(box, IDOK);
  Check(g.WaitGone(box), "%s: the box closes", what);
  return text;
}

void Exchange50(GameSession& g, const char* what) {
  g.Command(ID_CMD_EXCHANGE);
  HWND exchange = g.WaitDialog(L"メダル交換");
  if (!Check(exchange != nullptr, "%s: the exchange opens", what)) return;
  Check(IsDlgButtonChecked(exchange, IDC_MEDALS_50) == BST_CHECKED, "%s: 50 medals are preselected", what);
  g.Press(exchange, IDOK);
  Check(g.WaitGone(exchange), "%s: the exchange closes", what);
}

HWND NoticeDialog(const GameSession& g) { return g.DialogWithItem(IDC_FIELD_1); }

void CheckNoticeShown(GameSession& g, const std::wstring& text, const char* what, int ms) {
  HWND notice = nullptr;
  bool shown = WaitUntil([&] {
    notice = NoticeDialog(g);
    return notice != nullptr && IsWindowVisible(notice) && g.ItemText(notice, IDC_FIELD_1) == text;
  }, ms);
  if (!Check(shown, "%s: the notice appears", what)) return;
  Check(g.ItemText(notice, IDC_FIELD_1) == text, "%s: the notice says \"%s\" (got \"%s\")", what,
        ToUtf8(text).c_str(), ToUtf8(g.ItemText(notice, IDC_FIELD_1)).c_str());
  RECT m, d;
  GetWindowRect(g.Main(), &m);
  GetWindowRect(notice, &d);
  int w = d.right - d.left, h = d.bottom - d.top;
  int x = m.left + 240 - w / 2, y = m.top + (m.bottom - m.top) / 2 - h / 2;
  Check(d.left == x && d.top == y, "%s: the notice stands at (%d, %d), centred (got (%ld, %ld))",
        what, x, y, d.left, d.top);
}

// ---- screenshots ---------------------------------------------------------------------------

std::string shotsDir;

// Asks the runner for a screenshot: a ".want" file it answers by taking the picture and
// removing the file.
void Shot(const char* name) {
  Sleep(700);  // let the window finish painting
  std::string want = shotsDir + "\\" + name + ".want";
  HANDLE f = CreateFileA(want.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  Check(WaitUntil([&] { return GetFileAttributesA(want.c_str()) == INVALID_FILE_ATTRIBUTES; }, 20000),
        "screenshot %s taken", name);
}

HWND ShotDialog(GameSession& g, int command, const wchar_t* caption, const char* name) {
  g.Command(command);
  HWND d = g.WaitDialog(caption);
  if (d != nullptr) Shot(name);
  return d;
}

void ShotNow(const char* name) {
  if (shotsDir.empty()) return;
  Picture screen;
  bool ok = CaptureScreenArea(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                              screen) &&
            SavePicture(screen, shotsDir + "\\" + name + ".bmp");
  Check(ok, "picture %s taken", name);
}

std::wstring Wide(const char* text) {
  wchar_t out[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, text, -1, out, MAX_PATH);
  return out;
}

void UseGameDocumentsFolder() {
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
  HMODULE library = LoadLibraryW(L"shfolder.dll");
  auto entry = library ? reinterpret_cast<GetFolderPath>(reinterpret_cast<void*>(
                             GetProcAddress(library, "SHGetFolderPathA")))
                       : nullptr;
  char path[MAX_PATH] = "";
  if (entry != nullptr && SUCCEEDED(entry(nullptr, 5, nullptr, 0, path))) SetDocumentsFolder(path);
}

