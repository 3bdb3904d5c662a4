// Colour mapping for the bitmap converter. The game table is a 4 x 4 x 4 cube of levels,
// so ordered dithering works channel by channel between neighbouring levels.
#include "tools/bmpconv/colour_map.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBayer8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

// Threshold in (0, 1) for pixel (x, y).
double Threshold(int x, int y) { return (kBayer8[y & 7][x & 7] + 0.5) / 64.0; }

// Level number for one channel, dithered between the two levels around value.
int DitherLevel(int value, double threshold) {
  for (int i = 0; i < 3; ++i) {
    const int lo = kLevels[i];
    const int hi = kLevels[i + 1];
    if (value <= hi) {
      const double t = double(value - lo) / double(hi - lo);
      return t > threshold ? i + 1 : i;
    }
  }
  return 3;
}

struct ColourCount {
  uint32_t rgb;
  uint32_t count;
};

int Channel(uint32_t rgb, int c) { return int((rgb >> (16 - 8 * c)) & 0xFF); }

struct Box {
  size_t begin;
  size_t end;
};

// Widest channel of a box and its extent.
int WidestChannel(const std::vector<ColourCount>& colours, const Box& box, int* extent) {
  int best = 0;
  *extent = -1;
  for (int c = 0; c < 3; ++c) {
    int lo = 255;
    int hi = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
      lo = std::min(lo, Channel(colours[i].rgb, c));
      hi = std::max(hi, Channel(colours[i].rgb, c));
    }
    if (hi - lo > *extent) {
      *extent = hi - lo;
      best = c;
    }
  }
  return best;
}

Rgb BoxAverage(const std::vector<ColourCount>& colours, const Box& box) {
  double sum[3] = {0, 0, 0};
  double total = 0;
  for (size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) sum[c] += double(Channel(colours[i].rgb, c)) * colours[i].count;
    total += colours[i].count;
  }
  return Rgb{uint8_t(sum[0] / total + 0.5), uint8_t(sum[1] / total + 0.5),
             uint8_t(sum[2] / total + 0.5)};
}

}  // namespace

void BuildOwnTable(const RgbaImage& image, Rgb table[kTableSize]) {
  std::memcpy(table, GameTable(), sizeof(Rgb) * kTableSize);
  std::vector<uint32_t> extra;
  const size_t count = size_t(image.width) * size_t(image.height);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = &image.pixels[i * 4];
    if (p[3] < kOpaqueAlpha) continue;
    if (ExactGameIndex(Rgb{p[0], p[1], p[2]}) >= 0) continue;
    extra.push_back(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
  }
  if (extra.empty()) return;
  std::sort(extra.begin(), extra.end());
  std::vector<ColourCount> colours;
  for (uint32_t rgb : extra) {
    if (!colours.empty() && colours.back().rgb == rgb) {
      ++colours.back().count;
    } else {
      colours.push_back(ColourCount{rgb, 1});
    }
  }
  // Median cut: split the box with the widest spread at its pixel median until there are
  // as many boxes as free entries, or no box can be split.
  constexpr int kFreeFirst = 32;
  constexpr int kFreeCount = 192;
  std::vector<Box> boxes{Box{0, colours.size()}};
  while (int(boxes.size()) < kFreeCount) {
    int pick = -1;
    int pickExtent = 0;
    int pickChannel = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int extent = 0;
      const int channel = WidestChannel(colours, boxes[b], &extent);
      if (extent > pickExtent) {
        pick = int(b);
        pickExtent = extent;
        pickChannel = channel;
      }
    }
    if (pick < 0) break;
    Box& box = boxes[size_t(pick)];
    std::sort(colours.begin() + long(box.begin), colours.begin() + long(box.end),
              [pickChannel](const ColourCount& a, const ColourCount& b) {
                return Channel(a.rgb, pickChannel) < Channel(b.rgb, pickChannel);
              });
    uint64_t total = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
    uint64_t running = 0;
    size_t split = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
      running += colours[i].count;
      split = i + 1;
      if (running * 2 >= total) break;
    }
    const Box upper{split, box.end};
    box.end = split;
    boxes.push_back(upper);
  }
  for (size_t b = 0; b < boxes.size(); ++b) {
    table[kFreeFirst + b] = BoxAverage(colours, boxes[b]);
  }
}

void MapImage(const RgbaImage& image, const MapOptions& options, IndexedImage* out) {
  out->width = image.width;
  out->height = image.height;
  out->indices.assign(size_t(image.width) * size_t(image.height), 0);
  if (options.ownTable) {
    BuildOwnTable(image, out->table);
  } else {
    std::memcpy(out->table, GameTable(), sizeof(Rgb) * kTableSize);
  }
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const size_t at = size_t(y) * size_t(image.width) + size_t(x);
      const uint8_t* p = &image.pixels[at * 4];
      if (p[3] < kOpaqueAlpha) {
        out->indices[at] = kKeyIndex;
        continue;
      }
      const Rgb colour{p[0], p[1], p[2]};
      const int nearest = NearestIndex(out->table, kTableSize, colour);
      int index = nearest;
      if (options.dither && !(options.sprite && nearest == kKeyIndex)) {
        const double threshold = Threshold(x, y);
        if (options.ownTable) {
          // Spread the colour around itself and take the nearest of the richer table.
          const int offset = int((threshold - 0.5) * 48.0);
          const Rgb spread{uint8_t(std::clamp(int(colour.r) + offset, 0, 255)),
                           uint8_t(std::clamp(int(colour.g) + offset, 0, 255)),
                           uint8_t(std::clamp(int(colour.b) + offset, 0, 255))};
          index = NearestIndex(out->table, kTableSize, spread);
        } else {
          index = CubeIndex(DitherLevel(colour.r, threshold), DitherLevel(colour.g, threshold),
                            DitherLevel(colour.b, threshold));
        }
        if (options.sprite && index == kKeyIndex) index = nearest;
      }
      out->indices[at] = uint8_t(index);
    }
  }
}
