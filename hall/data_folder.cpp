// The data folder path: documents folder, a separator unless it ends in one, "tavri", a
// separator, the file name. Built in fixed buffers; an over-long path is refused, never cut.
#include "hall/data_folder.h"

#include <cstdlib>
#include <cstring>

#include "hall/file_platform.h"

namespace {

char documentsFolder[kPathBytes];
bool documentsSet = false;

#ifdef _WIN32
constexpr const char* kUserFolderVariable = "USERPROFILE";
#else
constexpr const char* kUserFolderVariable = "HOME";
#endif

char startFolder[kPathBytes];

// Without a documents folder the players' progress must still be kept somewhere the user owns.
const char* Documents() {
  if (documentsSet && documentsFolder[0] != '\0') return documentsFolder;
  const char* home = std::getenv(kUserFolderVariable);
  if (home != nullptr && home[0] != '\0') return home;
  // The game never changes its current folder, so this is the one it was started from.
  if (!CurrentFolder(startFolder, kPathBytes)) startFolder[0] = '\0';
  return startFolder;
}

bool EndsWithSeparator(const char* path, size_t length) {
  if (length == 0) return false;
  char last = path[length - 1];
#ifdef _WIN32
  return last == '\\' || last == '/';
#else
  return last == '/';
#endif
}

bool Append(char* out, size_t& length, const char* text) {
  size_t n = std::strlen(text);
  if (length + n >= static_cast<size_t>(kPathBytes)) return false;
  std::memcpy(out + length, text, n + 1);
  length += n;
  return true;
}

}  // namespace

void SetDocumentsFolder(const char* path) {
  documentsFolder[0] = '\0';
  documentsSet = false;
  if (path == nullptr) return;
  size_t n = std::strlen(path);
  if (n >= static_cast<size_t>(kPathBytes)) n = 0;  // cannot hold any file below it
  std::memcpy(documentsFolder, path, n);
  documentsFolder[n] = '\0';
  documentsSet = true;
}

bool DataFolder(const char* fileName, char* out) {
  out[0] = '\0';
  const char* documents = Documents();
  size_t length = 0;
  const char separator[2] = {kPathSeparator, '\0'};
  bool fits = documents[0] != '\0' && Append(out, length, documents) &&
              (EndsWithSeparator(out, length) || Append(out, length, separator)) &&
              Append(out, length, "tavri");
  if (!fits) {
    out[0] = '\0';
    return false;
  }
  MakeFolder(out);
  if (!Append(out, length, separator) || !Append(out, length, fileName)) {
    out[0] = '\0';
    return false;
  }
  return true;
}
