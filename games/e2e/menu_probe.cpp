// The probe the end-to-end driver loads into the game: a thread that answers the driver's
// questions about menus and message-box icons from inside the game's process.
#include <windows.h>

#include <cstdio>

#include "games/e2e/probe_protocol.h"

namespace {

HWND MainWindowOfProcess() {
  HWND found = nullptr;
  DWORD self = GetCurrentProcessId();
  for (HWND w = FindWindowExW(nullptr, nullptr, L"Kv4401Main", nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, L"Kv4401Main", nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == self) found = w;
  }
  return found;
}

void DumpMenu(HMENU menu, int depth, char* out, size_t& used) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    char utf8[512];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    HMENU sub = GetSubMenu(menu, i);
    int id = sub != nullptr ? -1 : static_cast<int>(GetMenuItemID(menu, i));
    int n = std::snprintf(out + used, kProbeTextBytes - used, "%d %d %x %s\n", depth, id,
                          state & 0xFFFF, utf8);
    if (n > 0 && used + static_cast<size_t>(n) < kProbeTextBytes) used += static_cast<size_t>(n);
    if (sub != nullptr) DumpMenu(sub, depth + 1, out, used);
  }
}

HWND TrackedPopup() {
  DWORD self = GetCurrentProcessId();
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == self && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

int BoxIcon(HWND box) {
  HWND control = GetDlgItem(box, 0x0440);
  if (control == nullptr) return IconUnknown;
  HICON shown = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  struct Known {
    LPCWSTR id;
    int icon;
  };
  const Known known[] = {{IDI_WARNING, IconWarn}, {IDI_INFORMATION, IconInfo},
                         {IDI_QUESTION, IconAsk}, {IDI_ERROR, IconStop}};
  for (const Known& k : known) {
    if (LoadIconW(nullptr, k.id) == shown) return k.icon;
  }
  return IconUnknown;
}

DWORD WINAPI ProbeLoop(void*) {
  DWORD pid = GetCurrentProcessId();
  wchar_t name[64];
  ProbeName(name, L"Block", pid);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
  ProbeName(name, L"Ask", pid);
  HANDLE ask = OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, name);
  ProbeName(name, L"Done", pid);
  HANDLE done = OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, name);
  if (mapping == nullptr || ask == nullptr || done == nullptr) return 1;
  auto* block = static_cast<ProbeBlock*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (block == nullptr) return 1;
  for (;;) {
    if (WaitForSingleObject(ask, INFINITE) != WAIT_OBJECT_0) return 1;
    size_t used = 0;
    block->text[0] = '\0';
    block->result = 0;
    switch (block->request) {
      case ProbeMenuBar: {
        HWND main = MainWindowOfProcess();
        HMENU bar = main != nullptr ? GetMenu(main) : nullptr;
        if (bar != nullptr) DumpMenu(bar, 0, block->text, used);
        block->result = bar != nullptr;
        break;
      }
      case ProbePopupMenu: {
        HWND popup = TrackedPopup();
        HMENU menu = popup != nullptr
                         ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0))
                         : nullptr;
        if (menu != nullptr) DumpMenu(menu, 0, block->text, used);
        block->result = menu != nullptr;
        break;
      }
      case ProbeBoxIcon:
        block->result = BoxIcon(reinterpret_cast<HWND>(block->window));
        break;
      case ProbeEndMenu:
        EndMenu();
        if (HWND popup = TrackedPopup()) PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        block->result = 1;
        break;
      default:
        break;
    }
    SetEvent(done);
  }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    HANDLE thread = CreateThread(nullptr, 0, ProbeLoop, nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
  }
  return TRUE;
}
