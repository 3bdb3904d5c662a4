// The platform half of the save files, the one portable-core file that may include <windows.h>
// (and only when built for Windows): MoveFileExW with replace and write-through there, rename()
// and fsync() elsewhere.
#include "hall/file_platform.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

#include <cerrno>

#ifdef _WIN32

namespace {
constexpr int kWidePathChars = 300;

bool Widen(const char* path, wchar_t* out) {
  return MultiByteToWideChar(CP_ACP, 0, path, -1, out, kWidePathChars) > 0;
}
}  // namespace

bool ReplaceFileInOneStep(const char* from, const char* to) {
  wchar_t wideFrom[kWidePathChars];
  wchar_t wideTo[kWidePathChars];
  if (!Widen(from, wideFrom) || !Widen(to, wideTo)) return false;
  return MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FlushFileToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool MakeFolder(const char* path) {
  if (_mkdir(path) == 0) return true;
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CurrentFolder(char* out, int bytes) { return _getcwd(out, bytes) != nullptr; }

bool PathExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

void PauseBriefly(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

#else

bool ReplaceFileInOneStep(const char* from, const char* to) { return std::rename(from, to) == 0; }

bool FlushFileToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool MakeFolder(const char* path) {
  if (mkdir(path, 0777) == 0) return true;
  struct stat info;
  return errno == EEXIST && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool CurrentFolder(char* out, int bytes) {
  return getcwd(out, static_cast<size_t>(bytes)) != nullptr;
}

bool PathExists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

void PauseBriefly(int milliseconds) {
  timespec wait{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  nanosleep(&wait, nullptr);
}

#endif
