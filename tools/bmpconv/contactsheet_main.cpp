// contactsheet: paints a game's DIBITMAP files into one review PNG.
//   contactsheet out.png ID=file.bmp ...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/bmpconv/contact_sheet.h"
#include "tools/bmpconv/dib_file.h"
#include "tools/bmpconv/png_io.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: contactsheet out.png ID=file.bmp ...\n");
    return 2;
  }
  std::vector<SheetEntry> entries;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const size_t eq = arg.find('=');
    if (eq == std::string::npos) {
      std::fprintf(stderr, "contactsheet: expected ID=file.bmp, got %s\n", argv[i]);
      return 2;
    }
    SheetEntry entry;
    entry.id = std::atoi(arg.substr(0, eq).c_str());
    const std::string path = arg.substr(eq + 1);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, &bytes) || !DecodeDib(bytes, &entry.image, &error)) {
      std::fprintf(stderr, "contactsheet: %s: %s\n", path.c_str(),
                   error.empty() ? "cannot read" : error.c_str());
      return 1;
    }
    entries.push_back(entry);
  }
  std::sort(entries.begin(), entries.end(),
            [](const SheetEntry& a, const SheetEntry& b) { return a.id < b.id; });
  RgbCanvas canvas;
  ComposeSheet(entries, 2200, &canvas);
  std::string error;
  if (!WritePngRgb(argv[1], canvas.width, canvas.height, canvas.pixels.data(), &error)) {
    std::fprintf(stderr, "contactsheet: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %d bitmaps, %d x %d\n", argv[1], int(entries.size()), canvas.width,
              canvas.height);
  return 0;
}
