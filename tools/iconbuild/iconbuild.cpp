// iconbuild: the game's cursors and icons.
//   iconbuild --cursor in.txt out.cur
//   iconbuild --icon out.ico picture.png ...   (16, 32, 48 pixel renderings)
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/bmpconv/dib_file.h"
#include "tools/iconbuild/icon_file.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: iconbuild --cursor in.txt out.cur\n"
               "       iconbuild --icon out.ico picture.png ...\n");
  return 2;
}

int BuildCursor(const char* in, const char* out) {
  std::ifstream file(in);
  if (!file) {
    std::fprintf(stderr, "iconbuild: cannot read %s\n", in);
    return 1;
  }
  std::stringstream text;
  text << file.rdbuf();
  CursorImage cursor;
  std::string error;
  if (!ParseCursorText(text.str(), &cursor, &error)) {
    std::fprintf(stderr, "%s: %s\n", in, error.c_str());
    return 1;
  }
  if (!WriteFileBytes(out, EncodeCursor(cursor))) {
    std::fprintf(stderr, "iconbuild: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

int BuildIcon(const char* out, int count, char** pictures) {
  std::vector<RgbaImage> sizes;
  std::string error;
  for (int i = 0; i < count; ++i) {
    RgbaImage image;
    if (!ReadPng(pictures[i], &image, &error)) {
      std::fprintf(stderr, "iconbuild: %s\n", error.c_str());
      return 1;
    }
    sizes.push_back(image);
  }
  std::vector<uint8_t> file;
  if (!EncodeIcon(sizes, &file, &error)) {
    std::fprintf(stderr, "iconbuild: %s\n", error.c_str());
    return 1;
  }
  if (!WriteFileBytes(out, file)) {
    std::fprintf(stderr, "iconbuild: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--cursor") == 0) return BuildCursor(argv[2], argv[3]);
  if (argc >= 4 && std::strcmp(argv[1], "--icon") == 0) {
    return BuildIcon(argv[2], argc - 3, argv + 3);
  }
  return Usage();
}
