// The heartbeat: a 25 ms multimedia timer whose callback only raises the pending flag and posts
// the tick; the whole tick runs on the window thread. A tick that finds the last one pending is
// dropped, so a slow machine plays slower instead of queueing ticks.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>

#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/player_slot.h"
#include "presentation/presentation.h"
#include "shell/command_ids.h"
#include "base/screen_id.h"
#include "base/tick_counters.h"
#include "shell/tick_handler.h"
#include "shell/tick_stats.h"
#include "shell/win32/shell_windows.h"

namespace {

UINT TickTimerId = 0;
UINT timerPeriod = 0;
// The one datum the timer thread shares with the window thread.
std::atomic_flag TickPending = ATOMIC_FLAG_INIT;

#ifdef MERIDOLA_TICK_STATS
// When the timer posted the pending tick, so that the handler can tell how long it waited;
// whether the handler has taken it up, so that a dropped tick tells which of the two it met;
// when the timer last called, to see a late or bunched timer.
std::atomic<int64_t> TickPostedAt{0};
std::atomic<bool> TickHandled{false};
std::atomic<int64_t> LastCallbackAt{0};
UINT tickDelay = 25;

uint32_t Microseconds(int64_t counts) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<uint32_t>(counts * 1000000 / frequency.QuadPart);
}

int64_t PerformanceCount() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void RecordCallbackTime() {
  int64_t now = PerformanceCount();
  int64_t last = LastCallbackAt.exchange(now);
  if (last != 0) RecordTimerInterval(Microseconds(now - last), tickDelay * 1000);
}
#endif

void CALLBACK TimerCallback(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
#ifdef MERIDOLA_TICK_STATS
  RecordCallbackTime();
#endif
  if (TickPending.test_and_set()) {
#ifdef MERIDOLA_TICK_STATS
    RecordDroppedTick(TickHandled.load());
#endif
    return;
  }
#ifdef MERIDOLA_TICK_STATS
  TickPostedAt.store(PerformanceCount());
#endif
  PostMessageW(MainWindow, WM_GAME_TICK, 0, 0);
}

void PostNoticeTick() {
  if (NoticeDialog != nullptr) PostMessageW(NoticeDialog, WM_COMMAND, CmdNoticeTick, 0);
}

void ScreenTick() {
  switch (CurrentSlot.slot->screen) {
    case ScreenTitle: TitleWindowTick(TitleWindow); break;
    case ScreenHall:
    case ScreenHallAway: HallWindowTick(HallWindow); break;
    case ScreenPlay: PlayWindowTick(PlayWindow); break;
    default: break;
  }
}

// The hall's step, then what it has to tell: its notices and forced leaves become commands
// posted to the main window, handled after this tick.
void HallStep() {
  HallTick();
  HallPost post;
  while (TakeHallPost(post)) {
    PostMessageW(MainWindow, WM_COMMAND, static_cast<WPARAM>(post.command),
                 static_cast<LPARAM>(post.lParam));
  }
}

void PanelTick() { InfoPanelTick(InfoPanel); }

#ifdef MERIDOLA_TICK_STATS
template <void (*Step)(), TickStep which>
void Timed() {
  int64_t start = PerformanceCount();
  Step();
  RecordTickStep(which, Microseconds(PerformanceCount() - start));
}
const TickSteps kSteps = {PostNoticeTick, Timed<ScreenTick, TickStep::Screen>,
                          Timed<HallStep, TickStep::Hall>, Timed<PanelTick, TickStep::Panel>};
#else
const TickSteps kSteps = {PostNoticeTick, ScreenTick, HallStep, PanelTick};
#endif

}  // namespace

bool StartTickTimer() {
  TIMECAPS caps{};
  timeGetDevCaps(&caps, sizeof caps);
  timerPeriod = caps.wPeriodMin;
  timeBeginPeriod(timerPeriod);
  UINT delay = caps.wPeriodMin > 25 ? caps.wPeriodMin : 25;
#ifdef MERIDOLA_TICK_STATS
  tickDelay = delay;
#endif
  TickUnit = 16;
  TickTimerId = timeSetEvent(delay, caps.wPeriodMin, TimerCallback, 0, TIME_PERIODIC);
  if (TickTimerId == 0) {
    timeEndPeriod(timerPeriod);
    return false;
  }
  return true;
}

void StopTickTimer() {
  if (TickTimerId == 0) return;
  timeKillEvent(TickTimerId);
  TickTimerId = 0;
  TIMECAPS caps{};
  timeGetDevCaps(&caps, sizeof caps);
  timeEndPeriod(caps.wPeriodMin);
}

void HandleTick() {
#ifdef MERIDOLA_TICK_STATS
  int64_t start = PerformanceCount();
  TickHandled.store(true);
  RecordTickWait(Microseconds(start - TickPostedAt.load()));
#endif
  RunTick(kSteps);
#ifdef MERIDOLA_TICK_STATS
  RecordTickDuration(Microseconds(PerformanceCount() - start));
  TickHandled.store(false);
#endif
  TickPending.clear();
}

void ReportTickStats() {
#ifdef MERIDOLA_TICK_STATS
  TickSummary summary = SummariseTicks();
  char line[200], steps[200], causes[200], cpu[100];
  FormatTickSummary(summary, line, sizeof line);
  FormatTickSteps(summary, steps, sizeof steps);
  FormatDropCauses(summary, causes, sizeof causes);
  // The game's own processor time, to set beside the X server's and the Wine server's.
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  std::snprintf(cpu, sizeof cpu, "game cpu user %.1f s, kernel %.1f s", seconds(user),
                seconds(kernel));
  std::fprintf(stderr, "tick statistics: %s\n  %s\n  %s\n  %s\n", line, steps, causes, cpu);
  std::fflush(stderr);
  // A program started without a console may have no standard error: the line can also go to
  // the file named in MERIDOLA_TICK_STATS_FILE.
  char path[MAX_PATH];
  if (GetEnvironmentVariableA("MERIDOLA_TICK_STATS_FILE", path, MAX_PATH) > 0) {
    if (std::FILE* f = std::fopen(path, "w")) {
      std::fprintf(f, "%s\n%s\n%s\n%s\n", line, steps, causes, cpu);
      std::fclose(f);
    }
  }
#endif
}
