// The viewer's entry: pictures of every scene (--shot DIR [SCENE...]), the pixel checks run by
// the Windows build's tests (--check), the drawing's timings (--time), or one scene left
// running live with the keypad (--live).
#include <cstdio>
#include <cstring>
#include <string>

#include "presentation/presentation.h"
#include "presentation/viewer/screen_capture.h"
#include "presentation/viewer/viewer_check.h"
#include "presentation/viewer/viewer_scenes.h"
#include "presentation/viewer/viewer_timing.h"
#include "presentation/viewer/viewer_windows.h"
#include "base/options.h"

namespace {

uint32_t pixels[kCaptureW * kCaptureH];

int Shots(const char* dir, int count, char** scenes) {
  int failures = 0;
  for (int i = 0; i < (count > 0 ? count : kSceneCount); ++i) {
    const char* scene = count > 0 ? scenes[i] : kSceneNames[i];
    if (!SetUpScene(scene)) {
      std::printf("no scene %s\n", scene);
      ++failures;
      continue;
    }
    std::string path = std::string(dir) + "/" + scene + ".bmp";
    if (!CaptureClient(ViewerMain, pixels) || !SaveBmp(path.c_str(), pixels)) {
      std::printf("could not save %s\n", path.c_str());
      ++failures;
      continue;
    }
    std::printf("%s\n", path.c_str());
  }
  return failures;
}

int Live(const char* scene) {
  // Heard as in the game, where there is a sound device.
  SoundAvailable = CheckSoundDevice();
  std::printf("sound device: %s\n", SoundAvailable ? "yes" : "none");
  std::fflush(stdout);
  if (!SetUpScene(scene)) return 1;
  SetTimer(ViewerMain, 1, 25, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: presentation_viewer --shot DIR [SCENE...] | --check | --time | --live SCENE\n");
    return 2;
  }
  if (!CreateViewerWindows(GetModuleHandleW(nullptr))) {
    std::printf("the viewer's windows or the game's surfaces could not be made\n");
    return 1;
  }
  int result = 2;
  if (std::strcmp(argv[1], "--shot") == 0 && argc >= 3) {
    result = Shots(argv[2], argc - 3, argv + 3);
  } else if (std::strcmp(argv[1], "--check") == 0) {
    result = RunViewerChecks();
  } else if (std::strcmp(argv[1], "--time") == 0) {
    result = RunViewerTiming();
  } else if (std::strcmp(argv[1], "--live") == 0 && argc >= 3) {
    result = Live(argv[2]);
  }
  DestroyViewerWindows();
  std::fflush(stdout);
  return result;
}
