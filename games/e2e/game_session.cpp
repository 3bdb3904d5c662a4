// Driving a game from outside: windows found by class and process, commands posted, boxes and
// dialogs answered with their own buttons, menus read through the probe.
#include "games/common/resource_ids.h"
#include "games/e2e/game_session.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct FindData {
  DWORD pid;
  std::wstring caption;
  bool messageBox;
  HWND found;
  int withItem = 0;  // else: the dialog, shown or hidden, that has this item
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM lParam) {
  FindData& d = *reinterpret_cast<FindData*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != d.pid || (d.withItem == 0 && !IsWindowVisible(window))) return TRUE;
  wchar_t className[32];
  GetClassNameW(window, className, 32);
  if (wcscmp(className, L"#32770") != 0) return TRUE;
  if (d.withItem != 0) {
    if (GetDlgItem(window, d.withItem) == nullptr) return TRUE;
    d.found = window;
    return FALSE;
  }
  // A message box has its text in the static control 0xFFFF; the notice dialog has 1001.
  bool box = GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, IDC_FIELD_1) == nullptr;
  if (d.messageBox) {
    if (!box) return TRUE;
  } else {
    wchar_t caption[128];
    GetWindowTextW(window, caption, 128);
    if (d.caption != caption) return TRUE;
  }
  d.found = window;
  return FALSE;
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
  char out[2048];
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
  return out;
}

std::vector<MenuItemState> ParseMenu(const char* text) {
  std::vector<MenuItemState> items;
  const char* p = text;
  while (*p != '\0') {
    const char* end = std::strchr(p, '\n');
    if (end == nullptr) break;
    std::string line(p, end);
    MenuItemState item{};
    unsigned flags = 0;
    int consumed = 0;
    if (std::sscanf(line.c_str(), "%d %d %x %n", &item.depth, &item.id, &flags, &consumed) >= 3) {
      item.flags = flags;
      item.text = line.substr(static_cast<size_t>(consumed));
      items.push_back(item);
    }
    p = end + 1;
  }
  return items;
}

const MenuItemState* FindItem(const std::vector<MenuItemState>& menu, int id) {
  for (const MenuItemState& item : menu) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

GameSession::GameSession(const std::wstring& exe, const std::wstring& probeDll)
    : exe_(exe), probeDll_(probeDll) {}

GameSession::~GameSession() {
  if (block_ != nullptr) UnmapViewOfFile(block_);
  for (HANDLE h : {mapping_, ask_, done_, process_.hProcess, process_.hThread}) {
    if (h != nullptr) CloseHandle(h);
  }
}

bool GameSession::Launch() {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring commandLine = L"\"" + exe_ + L"\"";
  return CreateProcessW(exe_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &process_) != FALSE;
}

bool GameSession::Start() {
  if (!Launch()) return false;
  bool found = WaitUntil([&] {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"Kv4401Main", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, L"Kv4401Main", nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == process_.dwProcessId && IsWindowVisible(w)) main_ = w;
    }
    return main_ != nullptr;
  }, 30000);
  if (!found || !Inject()) return false;
  // The window class brings a plain menu bar at once; the start-up command replaces it, once the
  // message loop runs, with the screen's bar whose sound item is checked (a sound device) or
  // greyed (none). Reading menus before then would see the plain one.
  return WaitUntil([&] {
    std::vector<MenuItemState> bar = MenuBar();
    const MenuItemState* sound = FindItem(bar, ID_CMD_SOUND);
    return sound != nullptr && (sound->flags & (MF_CHECKED | MF_GRAYED)) != 0;
  }, 10000);
}

bool GameSession::Inject() {
  wchar_t name[64];
  DWORD pid = process_.dwProcessId;
  ProbeName(name, L"Block", pid);
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                sizeof(ProbeBlock), name);
  ProbeName(name, L"Ask", pid);
  ask_ = CreateEventW(nullptr, FALSE, FALSE, name);
  ProbeName(name, L"Done", pid);
  done_ = CreateEventW(nullptr, FALSE, FALSE, name);
  if (mapping_ == nullptr || ask_ == nullptr || done_ == nullptr) return false;
  block_ = static_cast<ProbeBlock*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (block_ == nullptr) return false;
  size_t bytes = (probeDll_.size() + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_.hProcess, nullptr, bytes, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  if (remote == nullptr ||
      !WriteProcessMemory(process_.hProcess, remote, probeDll_.c_str(), bytes, nullptr)) {
    return false;
  }
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  HANDLE thread = CreateRemoteThread(process_.hProcess, nullptr, 0, loadLibrary, remote, 0, nullptr);
  if (thread == nullptr) return false;
  WaitSignalled(thread, 10000);
  DWORD loaded = 0;
  GetExitCodeThread(thread, &loaded);
  CloseHandle(thread);
  return loaded != 0;
}

bool GameSession::Ask(ProbeRequest request, HWND window) {
  if (block_ == nullptr) return false;
  block_->request = request;
  block_->window = reinterpret_cast<ULONGLONG>(window);
  block_->text[0] = '\0';
  SetEvent(ask_);
  return WaitSignalled(done_, 5000);
}

std::vector<MenuItemState> GameSession::MenuBar() {
  if (!Ask(ProbeMenuBar)) return {};
  return ParseMenu(block_->text);
}

std::vector<MenuItemState> GameSession::PopupMenu() {
  std::vector<MenuItemState> items;
  WaitUntil([&] {
    if (Ask(ProbePopupMenu) && block_->result) items = ParseMenu(block_->text);
    return !items.empty();
  }, 5000);
  return items;
}

void GameSession::EndPopup() {
  Ask(ProbeEndMenu);
  WaitUntil([&] { return !Ask(ProbePopupMenu) || !block_->result; }, 3000);
}

int GameSession::BoxIcon(HWND box) {
  if (!Ask(ProbeBoxIcon, box)) return IconUnknown;
  return block_->result;
}

HWND GameSession::Child(const wchar_t* className) const {
  return FindWindowExW(main_, nullptr, className, nullptr);
}

HWND GameSession::PanelControl(int id) const {
  HWND panel = Child(L"Kv4401Info");
  for (HWND w = GetWindow(panel, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(w) == id) return w;
  }
  return nullptr;
}

void GameSession::Command(int id, LPARAM lParam) const {
  PostMessageW(main_, WM_COMMAND, static_cast<WPARAM>(id), lParam);
}

HWND GameSession::WaitDialog(const std::wstring& caption, int ms) const {
  FindData d{process_.dwProcessId, caption, false, nullptr};
  WaitUntil([&] {
    d.found = nullptr;
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&d));
    return d.found != nullptr;
  }, ms);
  return d.found;
}

HWND GameSession::WaitMessageBox(int ms) const {
  FindData d{process_.dwProcessId, L"", true, nullptr};
  WaitUntil([&] {
    d.found = nullptr;
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&d));
    return d.found != nullptr;
  }, ms);
  return d.found;
}

HWND GameSession::DialogWithItem(int id) const {
  FindData d{process_.dwProcessId, L"", false, nullptr, id};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

std::wstring GameSession::BoxText(HWND box) const { return ItemText(box, 0xFFFF); }

std::wstring GameSession::ItemText(HWND dialog, int id) const {
  wchar_t text[1024] = L"";
  HWND item = GetDlgItem(dialog, id);
  if (item != nullptr) GetWindowTextW(item, text, 1024);
  return text;
}

void GameSession::Press(HWND dialog, int id) const {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool GameSession::WaitGone(HWND window, int ms) const {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

int GameSession::WaitExit(int ms) const {
  if (!WaitSignalled(process_.hProcess, ms)) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

void GameSession::Kill() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) return;
  TerminateProcess(process_.hProcess, 99);
  WaitSignalled(process_.hProcess, 10000);
}
