// Only one game of the family runs at a time: the first one leaves its refusal text in the
// family's shared memory, and any later one shows that text and ends.
#include "shell/win32/single_instance.h"

#include <cstring>

#include "hall/string_id.h"
#include "hall/text.h"
#include "shell/shell_texts.h"
#include "shell/win32/wide_text.h"

namespace {
constexpr DWORD kSharedBytes = 4096;
HANDLE runningGameMapping = nullptr;
}  // namespace

void RunningGameText(const char* view, wchar_t* out, int chars) {
  // The running game wrote a NUL-terminated text; a view without a NUL is read to its end.
  char text[kSharedBytes + 1];
  size_t n = 0;
  while (n < kSharedBytes && view[n] != '\0') ++n;
  std::memcpy(text, view, n);
  text[n] = '\0';
  Cp932ToWide(text, out, chars);
}

bool ClaimSingleInstance() {
  HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      kSharedBytes, L"TAVRISharedDATA");
  if (mapping == nullptr) return true;  // no guard, the game runs
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    const char* view =
        static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    wchar_t text[kSharedBytes + 1];
    text[0] = L'\0';
    if (view != nullptr) {
      MEMORY_BASIC_INFORMATION info;
      // The view may be smaller than 4096 bytes if another program made the object.
      size_t size = VirtualQuery(view, &info, sizeof info) != 0 ? info.RegionSize : 0;
      if (size >= kSharedBytes) RunningGameText(view, text, kSharedBytes + 1);
    }
    MessageBoxW(nullptr, text, TextW(0, TextGameTitle), MB_ICONERROR | MB_OK);
    if (view != nullptr) UnmapViewOfFile(view);
    CloseHandle(mapping);
    return false;
  }
  char* view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
  if (view != nullptr) {
    wchar_t refusal[kWideTextChars];
    Utf8ToWide(LoadText(1, TextRunningGame), refusal, kWideTextChars);
    char cp932[kSharedBytes];
    if (!WideToCp932(refusal, cp932, sizeof cp932)) cp932[0] = '\0';
    std::memcpy(view, cp932, std::strlen(cp932) + 1);
    UnmapViewOfFile(view);
  }
  runningGameMapping = mapping;
  return true;
}

void ReleaseSingleInstance() {
  if (runningGameMapping != nullptr) CloseHandle(runningGameMapping);
  runningGameMapping = nullptr;
}
