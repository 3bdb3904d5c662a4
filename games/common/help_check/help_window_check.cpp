// Opens a game's help the way a player does, under Wine or Windows: starts the game in the folder
// it should run from, presses F1, then chooses the help menu item, and reports the help window.
//   help_window_check open   GAME.exe FOLDER "EXPECTED TITLE" [PICTURE.bmp]
//   help_window_check absent GAME.exe FOLDER
// "open" expects the help window both times (with the title the help file gives it) and may take
// a picture of the screen while it is open; "absent" expects no help window at all, as when the
// help file is not beside the game. The exit code is the number of failed checks.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "games/common/help_check/screen_picture.h"
#include "games/rescheck/check_log.h"

namespace {

constexpr wchar_t kMainClass[] = L"Kv4401Main";  // the main window class of every game
constexpr int kHelpMenuItem = 40700;             // ﾍﾙﾌﾟ - 遊び方
constexpr int kStartMs = 20000;
constexpr int kHelpMs = 15000;
constexpr int kAbsentMs = 3000;  // long enough for a help window that would open to show

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), bytes, nullptr, nullptr);
  out.resize(bytes - 1);
  return out;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[512] = L"";
  GetWindowTextW(window, title, 512);
  return title;
}

struct WindowSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

// The visible top-level windows of the process.
std::vector<HWND> TopWindows(DWORD pid) {
  WindowSearch search{pid, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class RunningGame {
 public:
  bool Start(const std::wstring& exe, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
      return false;
    }
    for (int waited = 0; waited < kStartMs; waited += 50) {
      for (HWND window : TopWindows(process_.dwProcessId)) {
        if (ClassOf(window) == kMainClass) main_ = window;
      }
      if (main_ != nullptr) return true;
      Sleep(50);
    }
    return false;
  }

  HWND Main() const { return main_; }
  DWORD Pid() const { return process_.dwProcessId; }

  // A visible top-level window of the game other than its main window, or null after ms.
  HWND WaitOtherWindow(int ms) const {
    for (int waited = 0; waited <= ms; waited += 50) {
      for (HWND window : TopWindows(process_.dwProcessId)) {
        if (window != main_) return window;
      }
      Sleep(50);
    }
    return nullptr;
  }

  // Closes the game's window (nobody is in the hall, so it ends at once); the exit code or -1.
  int Close() {
    if (process_.hProcess == nullptr) return -1;
    PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process_.hProcess, kStartMs) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.hProcess, &code);
    } else {
      TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    return static_cast<int>(code);
  }

  ~RunningGame() {
    if (process_.hProcess != nullptr) Close();
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

void PressF1(HWND main) {
  // Posted, so the game's message loop sees the key and its accelerator table turns it into
  // the help command, as for a real key press.
  PostMessageW(main, WM_KEYDOWN, VK_F1, 1);
  PostMessageW(main, WM_KEYUP, VK_F1, (1u << 30) | (1u << 31) | 1);
}

bool WaitClosed(HWND window) {
  for (int waited = 0; waited < kHelpMs; waited += 50) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    Sleep(50);
  }
  return false;
}

// One way of asking for help; the help window must open with the title, then close again.
void ExpectHelp(RunningGame& game, const char* how, const std::wstring& title,
                const std::wstring& picture) {
  HWND help = game.WaitOtherWindow(kHelpMs);
  if (!Check(help != nullptr, "%s: no help window opened", how)) return;
  std::printf("%s: help window class \"%s\", title \"%s\"\n", how, Utf8(ClassOf(help)).c_str(),
              Utf8(TitleOf(help)).c_str());
  Check(TitleOf(help) == title, "%s: help window title \"%s\", expected \"%s\"", how,
        Utf8(TitleOf(help)).c_str(), Utf8(title).c_str());
  if (!picture.empty()) {
    Sleep(500);  // let the window finish painting
    Check(SaveScreenPicture(picture), "%s: picture %s not written", how, Utf8(picture).c_str());
  }
  PostMessageW(help, WM_CLOSE, 0, 0);
  Check(WaitClosed(help), "%s: help window did not close", how);
}

int Usage() {
  std::fputs("usage: help_window_check open GAME.exe FOLDER TITLE [PICTURE.bmp]\n"
             "       help_window_check absent GAME.exe FOLDER\n", stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return Usage();
  std::wstring mode = argv[1];
  bool open = mode == L"open";
  if (!open && mode != L"absent") return Usage();
  if (open && argc < 5) return Usage();
  std::wstring title = open ? argv[4] : L"";
  std::wstring picture = open && argc > 5 ? argv[5] : L"";

  RunningGame game;
  if (!Check(game.Start(argv[2], argv[3]), "game %s did not start in %s",
             Utf8(argv[2]).c_str(), Utf8(argv[3]).c_str())) {
    return FailureCount();
  }
  if (open) {
    PressF1(game.Main());
    ExpectHelp(game, "F1", title, picture);
    PostMessageW(game.Main(), WM_COMMAND, kHelpMenuItem, 0);
    ExpectHelp(game, "help menu", title, L"");
  } else {
    PressF1(game.Main());
    HWND help = game.WaitOtherWindow(kAbsentMs);
    Check(help == nullptr, "a window \"%s\" opened although the help file is missing",
          Utf8(TitleOf(help)).c_str());
  }
  int code = game.Close();
  Check(code == 0, "game ended with exit code %d", code);
  std::printf("help window check (%s): %d checks, %d failed\n", Utf8(mode).c_str(), CheckCount(),
              FailureCount());
  return FailureCount();
}
