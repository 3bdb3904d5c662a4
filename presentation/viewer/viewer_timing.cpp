// Times the game's paints and ticks in the viewer's scenes with the performance counter; the
// median shows the usual cost, the maximum the worst seen.
#include "presentation/viewer/viewer_timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "hall/player_slot.h"
#include "presentation/play_face.h"
#include "presentation/presentation.h"
#include "presentation/surfaces.h"
#include "presentation/viewer/viewer_scenes.h"
#include "presentation/viewer/viewer_windows.h"
#include "base/options.h"
#include "base/tick_counters.h"

namespace {

constexpr int kRuns = 200;
double samples[kRuns];

double Now() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return 1e6 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

template <typename Work>
void Time(const char* what, Work work) {
  for (int i = 0; i < kRuns; ++i) {
    double start = Now();
    work(i);
    samples[i] = Now() - start;
  }
  std::sort(samples, samples + kRuns);
  std::printf("%-34s median %8.1f us   max %8.1f us\n", what, samples[kRuns / 2], samples[kRuns - 1]);
}

void Paint(HWND window) {
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

}  // namespace

int RunViewerTiming() {
  SetUpScene("title");
  Time("title paint", [](int) { Paint(ViewerTitle); });
  Time("info panel paint", [](int) { Paint(ViewerInfo); });
  Time("info panel tick (slow tick)", [](int) {
    while (Phase256 != 0) AdvanceTickCounters();
    InfoPanelTick(ViewerInfo);
    AdvanceTickCounters();
  });
  SetUpScene("hall");
  Time("hall paint", [](int) { Paint(ViewerHall); });
  Time("hall tick, lamps", [](int) {
    while (Phase128 != 0) AdvanceTickCounters();
    HallWindowTick(ViewerHall);
    AdvanceTickCounters();
  });
  Time("hall tick, slide (12 per step)", [](int i) {
    if (i % 12 == 0) {
      CurrentSlot.slot->hallCursor = 3 + (i / 12) % 2;
      HallScroll = (i / 12) % 2 ? -192 : 192;
    }
    HallWindowTick(ViewerHall);
  });
  SetUpScene("play-spin");
  Time("play paint", [](int) { Paint(ViewerPlay); });
  Time("play tick, reels and lamps", [](int) {
    MachineRecord& m = *CurrentSlot.slot->machine;
    m.redrawFlags = RedrawReels | RedrawLineLamps | RedrawStopLamps | RedrawDigits;
    PlayWindowTick(ViewerPlay);
    m.reelPos[1] = 37 + (m.reelPos[1] + 18 - 37) % 756;
  });
  Time("viewer tick (game and drawing)", [](int) {
    ViewerTick();
    PumpMessages();
  });
  // The parts of a paint: composing in memory against showing it in the window.
  Time("compose face in memory", [](int) {
    ComposeFace(CurrentSlot.slot->machine);
  });
  Time("screen surface to the window", [](int) {
    HDC dc = GetDC(ViewerPlay);
    HPALETTE previous = SelectGamePalette(dc);
    BitBlt(dc, 0, 0, 480, 432, ScreenDC, 0, 0, SRCCOPY);
    RestorePalette(dc, previous);
    ReleaseDC(ViewerPlay, dc);
  });
  return 0;
}
