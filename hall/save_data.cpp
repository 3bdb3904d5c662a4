// Loading and saving the record images. Files are read whole into fixed buffers and checked
// (length, checksums, ranges) before anything of them is believed; a damaged file is copied
// aside before the next save replaces it, and a file that could be neither read nor copied
// aside is never written over.
#include "hall/save_data.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "hall/data_folder.h"
#include "hall/file_platform.h"
#include "hall/player_record.h"
#include "hall/record_checksum.h"
#include "hall/record_repair.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/string_table.h"
#include "machine/machine_model.h"

static_assert(sizeof(Shops) == kHallFileBytes, "the hall file is the two shop records");
static_assert(sizeof(Players) == kPlayerFileBytes, "the player file is the eight records");
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the files hold little-endian images");
#endif

namespace {

constexpr int kSuffixedPathBytes = kPathBytes + 8;
// A file held by another program (a backup, a virus scanner) is tried for about a second.
constexpr int kOpenAttempts = 10;
constexpr int kOpenPauseMs = 100;
constexpr int kAsideNames = 10;  // "<name>.bad", then "<name>.bad1" .. "<name>.bad9"

enum ReadResult { ReadWhole, ReadMissing, ReadUnreadable, ReadWrongSize };

// Parts whose file the load left alone, and files not yet told about.
int heldParts = 0;
int unreadableParts = 0;

bool HasPath(const char* path) { return path != nullptr && path[0] != '\0'; }

std::FILE* OpenForReading(const char* path, bool& missing) {
  missing = false;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    std::FILE* f = std::fopen(path, "rb");
    if (f != nullptr) return f;
    if (!PathExists(path)) {
      missing = true;
      return nullptr;
    }
    PauseBriefly(kOpenPauseMs);
  }
  return nullptr;
}

// Reads the file into buffer (the rest of it stays zero). Exactly `size` bytes are a whole
// file; fewer or more are the wrong size.
ReadResult ReadExactly(const char* path, unsigned char* buffer, size_t size) {
  std::memset(buffer, 0, size);
  if (!HasPath(path)) return ReadMissing;
  bool missing = false;
  std::FILE* f = OpenForReading(path, missing);
  if (f == nullptr) return missing ? ReadMissing : ReadUnreadable;
  size_t got = std::fread(buffer, 1, size, f);
  unsigned char extra = 0;
  bool longer = got == size && std::fread(&extra, 1, 1, f) == 1;
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return ReadUnreadable;
  return got == size && !longer ? ReadWhole : ReadWrongSize;
}

void WithSuffix(const char* path, const char* suffix, char* out) {
  std::snprintf(out, kSuffixedPathBytes, "%s%s", path, suffix);
}

// Copies a file through a temporary file onto `to`, in one step at the end.
bool CopyInOneStep(const char* from, const char* to) {
  std::FILE* in = std::fopen(from, "rb");
  if (in == nullptr) return false;
  char temporary[kSuffixedPathBytes + 4];
  std::snprintf(temporary, sizeof temporary, "%s.tmp", to);
  std::FILE* out = std::fopen(temporary, "wb");
  bool ok = out != nullptr;
  unsigned char chunk[4096];
  size_t n = 0;
  while (ok && (n = std::fread(chunk, 1, sizeof chunk, in)) > 0) ok = std::fwrite(chunk, 1, n, out) == n;
  ok = ok && std::ferror(in) == 0;
  std::fclose(in);
  if (out != nullptr) ok = std::fclose(out) == 0 && ok;
  ok = ok && ReplaceFileInOneStep(temporary, to);
  if (!ok && out != nullptr) std::remove(temporary);
  return ok;
}

// A damaged file is copied to "<name>.bad" (replacing an older copy) for whoever wants it back;
// when that cannot be made, to the first free "<name>.bad1" .. "<name>.bad9". False when no
// copy could be made: the file must then stay where it is.
bool KeepAside(const char* path) {
  for (int k = 0; k < kAsideNames; ++k) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, k == 0 ? ".bad" : ".bad%d", k);
    char aside[kSuffixedPathBytes];
    WithSuffix(path, suffix, aside);
    if (k > 0 && PathExists(aside)) continue;
    if (CopyInOneStep(path, aside)) return true;
  }
  return false;
}

// What a damaged file's outcome becomes once it was (or could not be) kept aside.
LoadOutcome KeptAsideOr(const char* path, LoadOutcome outcome) {
  return KeepAside(path) ? outcome : LoadNotKeptAside;
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

const char* GameFileName(int id) {
  const char* name = GameText(ActiveMachine().number, id);
  return name != nullptr ? name : "";
}

// Notes what the load of one part means for the save and for the player.
void NoteOutcome(int part, LoadOutcome outcome) {
  if (outcome == LoadUnreadable || outcome == LoadNotKeptAside) heldParts |= part;
  if (outcome == LoadUnreadable) unreadableParts |= part;
}

}  // namespace

void ResetShopsToDefaults() {
  std::memset(Shops, 0, sizeof Shops);
  for (ShopRecord& s : Shops) ResetShopFloor(s);
}

void ClearPlayers() { std::memset(Players, 0, sizeof Players); }

LoadOutcome ReadHallFile(const char* path) {
  unsigned char buffer[kHallFileBytes];
  ReadResult read = ReadExactly(path, buffer, sizeof buffer);
  std::memcpy(Shops, buffer, sizeof Shops);
  if (read != ReadWhole) {
    for (ShopRecord& s : Shops) ResetShopRecord(s);  // both shops start afresh
    if (read == ReadMissing) return LoadMissing;
    if (read == ReadUnreadable) return LoadUnreadable;
    return KeptAsideOr(path, LoadRejected);
  }
  bool whole = true;
  for (ShopRecord& s : Shops) whole = RepairShopRecord(s, ActiveMachine().symbolHeight) && whole;
  return whole ? LoadAccepted : KeptAsideOr(path, LoadRepaired);
}

LoadOutcome ReadPlayerFile(const char* path) {
  PlayerRecord read[kPlayerRecords];
  ReadResult result = ReadExactly(path, reinterpret_cast<unsigned char*>(read), sizeof read);
  if (result != ReadWhole) {
    ClearPlayers();
    if (result == ReadMissing) return LoadMissing;
    if (result == ReadUnreadable) return LoadUnreadable;
    return KeptAsideOr(path, LoadRejected);
  }
  bool whole = RepairPlayerRecords(read, Players);
  return whole ? LoadAccepted : KeptAsideOr(path, LoadRepaired);
}

bool LoadHallFile(const char* path) { return ReadHallFile(path) == LoadAccepted; }

bool LoadPlayerFile(const char* path) { return ReadPlayerFile(path) == LoadAccepted; }

bool SaveHallFile(const char* path) {
  StoreShopChecksums();
  return HasPath(path) && WriteInOneStep(path, Shops, sizeof Shops);
}

bool SavePlayerFile(const char* path) {
  StorePlayerChecksums();
  return HasPath(path) && WriteInOneStep(path, Players, sizeof Players);
}

int LoadData() {
  heldParts = 0;
  unreadableParts = 0;
  char path[kPathBytes];
  int loaded = 0;
  DataFolder(GameFileName(TextHallFile), path);
  LoadOutcome hall = ReadHallFile(path);
  NoteOutcome(HallPart, hall);
  if (hall == LoadAccepted) loaded |= HallPart;
  DataFolder(GameFileName(TextPlayerFile), path);
  LoadOutcome players = ReadPlayerFile(path);
  NoteOutcome(PlayerPart, players);
  if (players == LoadAccepted) loaded |= PlayerPart;
  return loaded;
}

int SaveData() {
  char path[kPathBytes];
  int saved = 0;
  // Each file on its own: a hall file that cannot be written must not cost every player of
  // the family the progress of this run.
  DataFolder(GameFileName(TextHallFile), path);
  if (!(heldParts & HallPart) && SaveHallFile(path)) saved |= HallPart;
  DataFolder(GameFileName(TextPlayerFile), path);
  if (!(heldParts & PlayerPart) && SavePlayerFile(path)) saved |= PlayerPart;
  return saved;
}

bool TakeLoadWarning(HallMessage& out) {
  for (int part : {HallPart, PlayerPart}) {
    if (!(unreadableParts & part)) continue;
    unreadableParts &= ~part;
    out = NamedMessage(TextFileInUse, IconWarning,
                       GameFileName(part == HallPart ? TextHallFile : TextPlayerFile));
    return true;
  }
  return false;
}
