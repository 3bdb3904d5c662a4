// The game's tick with nothing behind it: the same 25 ms multimedia timer at raised resolution,
// pending flag and posted message, and a handler that only spins for a fixed time. What it drops
// is what Wine's timer and the machine's load cost before the game draws anything.
//   bare_timer SECONDS [HANDLER_MICROSECONDS]
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "shell/tick_stats.h"

namespace {

constexpr UINT kTickMessage = WM_USER;
constexpr UINT kTickMs = 25;

HWND window = nullptr;
std::atomic_flag pending = ATOMIC_FLAG_INIT;
std::atomic<bool> handling{false};
std::atomic<int64_t> postedAt{0}, lastCallbackAt{0};
int64_t frequency = 1, startedAt = 0, runCounts = 0, handlerCounts = 0;

int64_t Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

uint32_t Microseconds(int64_t counts) {
  return static_cast<uint32_t>(counts * 1000000 / frequency);
}

void CALLBACK OnTimer(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  int64_t now = Now();
  int64_t last = lastCallbackAt.exchange(now);
  if (last != 0) RecordTimerInterval(Microseconds(now - last), kTickMs * 1000);
  if (pending.test_and_set()) {
    RecordDroppedTick(handling.load());
    return;
  }
  postedAt.store(now);
  PostMessageW(window, kTickMessage, 0, 0);
}

void HandleTick() {
  int64_t start = Now();
  handling.store(true);
  RecordTickWait(Microseconds(start - postedAt.load()));
  while (Now() - start < handlerCounts) {
  }
  int64_t end = Now();
  RecordTickDuration(Microseconds(end - start));
  handling.store(false);
  pending.clear();
  // The window goes explicitly: a Wine virtual desktop ends only once its last window has.
  if (end - startedAt >= runCounts) DestroyWindow(window);
}

LRESULT CALLBACK WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTickMessage) {
    HandleTick();
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(w, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  int handlerMicros = argc > 2 ? std::atoi(argv[2]) : 0;
  if (seconds <= 0 || handlerMicros < 0) {
    std::printf("usage: bare_timer SECONDS [HANDLER_MICROSECONDS]\n");
    return 2;
  }
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  frequency = f.QuadPart;
  runCounts = static_cast<int64_t>(seconds) * frequency;
  handlerCounts = static_cast<int64_t>(handlerMicros) * frequency / 1000000;

  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BareTimer";
  RegisterClassW(&wc);
  window = CreateWindowW(L"BareTimer", L"bare timer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, wc.hInstance,
                         nullptr);
  if (window == nullptr) return 1;

  ResetTickStats();
  TIMECAPS caps{};
  timeGetDevCaps(&caps, sizeof caps);
  timeBeginPeriod(caps.wPeriodMin);
  startedAt = Now();
  UINT timer = timeSetEvent(kTickMs, caps.wPeriodMin, OnTimer, 0, TIME_PERIODIC);
  if (timer == 0) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  timeKillEvent(timer);
  timeEndPeriod(caps.wPeriodMin);

  TickSummary s = SummariseTicks();
  char line[200], causes[200];
  FormatTickSummary(s, line, sizeof line);
  FormatDropCauses(s, causes, sizeof causes);
  std::printf("bare timer, %d s, handler %d us: %s\n  %s\n", seconds, handlerMicros, line, causes);
  return 0;
}
