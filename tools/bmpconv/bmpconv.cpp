// bmpconv: turns a rendered PNG into the game's DIBITMAP file.
//   bmpconv [--dither] [--own-table] [--sprite] [--size WxH] in.png out.bmp
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/bmpconv/colour_map.h"
#include "tools/bmpconv/dib_file.h"
#include "tools/bmpconv/png_io.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: bmpconv [--dither] [--own-table] [--sprite] [--size WxH] in.png out.bmp\n"
               "  --dither     8x8 ordered dithering between palette colours\n"
               "  --own-table  the picture's own 256-entry table (game colours kept in place)\n"
               "  --sprite     opaque pixels never dither into the key colour\n"
               "  --size WxH   refuse a picture of any other size\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  MapOptions options;
  int wantWidth = 0;
  int wantHeight = 0;
  const char* files[2] = {nullptr, nullptr};
  int fileCount = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dither") == 0) {
      options.dither = true;
    } else if (std::strcmp(argv[i], "--own-table") == 0) {
      options.ownTable = true;
    } else if (std::strcmp(argv[i], "--sprite") == 0) {
      options.sprite = true;
    } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &wantWidth, &wantHeight) != 2) return Usage();
    } else if (argv[i][0] == '-' || fileCount == 2) {
      return Usage();
    } else {
      files[fileCount++] = argv[i];
    }
  }
  if (fileCount != 2) return Usage();

  RgbaImage rgba;
  std::string error;
  if (!ReadPng(files[0], &rgba, &error)) {
    std::fprintf(stderr, "bmpconv: %s\n", error.c_str());
    return 1;
  }
  if (wantWidth > 0 && (rgba.width != wantWidth || rgba.height != wantHeight)) {
    std::fprintf(stderr, "bmpconv: %s is %d x %d, the bitmap must be %d x %d\n", files[0],
                 rgba.width, rgba.height, wantWidth, wantHeight);
    return 1;
  }
  IndexedImage indexed;
  MapImage(rgba, options, &indexed);
  if (!WriteFileBytes(files[1], EncodeDib(indexed))) {
    std::fprintf(stderr, "bmpconv: cannot write %s\n", files[1]);
    return 1;
  }
  return 0;
}
