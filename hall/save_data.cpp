// Loading and saving the record images. Files are read whole into fixed buffers and checked
// (length, checksums, ranges) before anything of them is believed; a rejected file is moved
// aside rather than silently overwritten by the next save.
#include "hall/save_data.h"

#include <cstdio>
#include <cstring>

#include "hall/data_folder.h"
#include "hall/file_platform.h"
#include "hall/player_record.h"
#include "hall/record_checksum.h"
#include "hall/record_ranges.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/string_table.h"
#include "machine/machine_model.h"
#include "machine/machine_reset.h"

static_assert(sizeof(Shops) == kHallFileBytes, "the hall file is the two shop records");
static_assert(sizeof(Players) == kPlayerFileBytes, "the player file is the eight records");
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the files hold little-endian images");
#endif

namespace {

constexpr int kSuffixedPathBytes = kPathBytes + 8;

// Reads up to `size` bytes; the rest of the buffer stays zero. False when the file did not open.
bool ReadWhole(const char* path, unsigned char* buffer, size_t size, size_t& got) {
  std::memset(buffer, 0, size);
  got = 0;
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  got = std::fread(buffer, 1, size, f);
  std::fclose(f);
  return true;
}

void WithSuffix(const char* path, const char* suffix, char* out) {
  std::snprintf(out, kSuffixedPathBytes, "%s%s", path, suffix);
}

// A rejected file is kept as "<name>.bad" (replacing an older one) for whoever wants it back.
void KeepAside(const char* path) {
  char bad[kSuffixedPathBytes];
  WithSuffix(path, ".bad", bad);
  ReplaceFileInOneStep(path, bad);
}

bool WriteInOneStep(const char* path, const void* data, size_t size) {
  char temporary[kSuffixedPathBytes];
  WithSuffix(path, ".tmp", temporary);
  std::FILE* f = std::fopen(temporary, "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(data, 1, size, f) == size;
  ok = FlushFileToDisk(f) && ok;
  ok = std::fclose(f) == 0 && ok;
  ok = ok && ReplaceFileInOneStep(temporary, path);
  if (!ok) std::remove(temporary);
  return ok;
}

void ResetShopFloor(int shop) {
  for (int i = 0; i < kMachinesPerShop; ++i) ResetMachine(shop, i, ResetFull);
  std::memset(Shops[shop].highScores, 0, sizeof Shops[shop].highScores);
}

bool HallAcceptable() {
  int height = ActiveMachine().symbolHeight;
  for (const ShopRecord& s : Shops) {
    if (!ShopChecksumMatches(s) || !ShopRecordInRange(s, height)) return false;
  }
  return true;
}

const char* GameFileName(int id) {
  const char* name = GameText(ActiveMachine().number, id);
  return name != nullptr ? name : "";
}

}  // namespace

void ResetShopsToDefaults() {
  std::memset(Shops, 0, sizeof Shops);
  for (int shop = 0; shop < kShopCount; ++shop) ResetShopFloor(shop);
}

void ClearPlayers() { std::memset(Players, 0, sizeof Players); }

bool LoadHallFile(const char* path) {
  unsigned char buffer[kHallFileBytes];
  size_t got = 0;
  bool opened = path != nullptr && path[0] != '\0' && ReadWhole(path, buffer, sizeof buffer, got);
  std::memcpy(Shops, buffer, sizeof Shops);
  if (opened && got == sizeof buffer && HallAcceptable()) return true;
  // Both shops start afresh. The level, count and last open time stay as read when they make
  // sense (they are recomputed or only measure the time since), and are zero otherwise.
  for (int shop = 0; shop < kShopCount; ++shop) {
    if (!ShopHeaderInRange(Shops[shop])) std::memset(&Shops[shop], 0, offsetof(ShopRecord, highScores));
    ResetShopFloor(shop);
  }
  if (opened) KeepAside(path);
  return false;
}

bool LoadPlayerFile(const char* path) {
  unsigned char buffer[kPlayerFileBytes];
  size_t got = 0;
  bool opened = path != nullptr && path[0] != '\0' && ReadWhole(path, buffer, sizeof buffer, got);
  std::memcpy(Players, buffer, sizeof Players);
  if (opened && got == sizeof buffer && PlayerChecksumsMatch() && PlayerArrayInRange(Players)) {
    return true;
  }
  ClearPlayers();
  if (opened) KeepAside(path);
  return false;
}

bool SaveHallFile(const char* path) {
  StoreShopChecksums();
  return path != nullptr && path[0] != '\0' && WriteInOneStep(path, Shops, sizeof Shops);
}

bool SavePlayerFile(const char* path) {
  StorePlayerChecksums();
  return path != nullptr && path[0] != '\0' && WriteInOneStep(path, Players, sizeof Players);
}

int LoadData() {
  char path[kPathBytes];
  int loaded = 0;
  DataFolder(GameFileName(TextHallFile), path);
  if (LoadHallFile(path)) loaded |= HallPart;
  DataFolder(GameFileName(TextPlayerFile), path);
  if (LoadPlayerFile(path)) loaded |= PlayerPart;
  return loaded;
}

int SaveData() {
  char path[kPathBytes];
  int saved = 0;
  // Each file on its own: a hall file that cannot be written must not cost every player of
  // the family the progress of this run.
  DataFolder(GameFileName(TextHallFile), path);
  if (SaveHallFile(path)) saved |= HallPart;
  DataFolder(GameFileName(TextPlayerFile), path);
  if (SavePlayerFile(path)) saved |= PlayerPart;
  return saved;
}
