// libFuzzer target: a hall file and a player file from arbitrary bytes are loaded as the game
// loads them, then the shops open and run for an hour with a player walking in and out.
//
// Input: byte 0 flags (bit 0: fix the checksums up first, so that the ranges and the hall tick
// are reached and not only the checksum test), byte 1 the hour of the start (mod 24) and the
// game whose machine stands in the hall (div 24, No.1 when not in this build), bytes 2-3 the
// length of the hall file (little-endian, at most 6440), then the hall file, then the player
// file. An accepted hall runs an hour of ticks; a refused one (fresh shops, already covered by
// every other input) runs a minute.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hall/catch_up.h"
#include "hall/data_folder.h"
#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/medal_exchange.h"
#include "hall/player_roster.h"
#include "hall/player_slot.h"
#include "hall/record_checksum.h"
#include "hall/save_data.h"
#include "hall/seats.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "hall/string_table.h"
#include "hall/visits.h"
#include "machine/game_random.h"
#include "machine/machine_catalog.h"
#include "machine/machine_model.h"
#include "base/screen_id.h"
#include "tools/hallsim/hall_sim.h"

namespace {

std::string playerPath;

void SetUpOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  SelectMachine(kMachineNo1);
  char pattern[] = "/tmp/hall-fuzz-XXXXXX";
  const char* folder = mkdtemp(pattern);
  if (folder == nullptr) std::abort();
  SetDocumentsFolder(folder);
  char path[kPathBytes];
  if (!DataFolder("tavri.dat", path)) std::abort();
  playerPath = path;
}

void WriteBytes(const char* path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
}

void FixChecksums(uint8_t* bytes, size_t size, size_t recordBytes) {
  for (size_t base = 0; base + recordBytes <= size; base += recordBytes) {
    int32_t sum = AdditiveChecksum(bytes + base, recordBytes - 4);
    std::memcpy(bytes + base + recordBytes - 4, &sum, 4);
  }
}

// What must hold whatever was loaded: nothing that indexes a table or counts the floor may
// leave its range during play.
void CheckFloor() {
  for (int shop = 0; shop < kShopCount; ++shop) {
    const ShopRecord& s = Shops[shop];
    int occupied = 0;
    for (int i = 0; i < kMachinesPerShop; ++i) {
      const MachineRecord& m = s.machines[i];
      if (i < kFloorMachines && m.occupant != OccupantFree) ++occupied;
      bool sound = m.occupant >= 0 && m.occupant <= 5 && m.state >= 0 && m.state <= 6 &&
                   m.bet >= 0 && m.bet <= 3 && m.credit >= 0 && m.credit <= kMaxCredit &&
                   m.setting >= 0 && m.setting <= 5;
      if (!sound) __builtin_trap();
      for (int r = 0; r < kReelCount; ++r) {
        if (m.reelPos[r] < 0 || m.reelPos[r] > 22 * ActiveMachine().symbolHeight) __builtin_trap();
      }
    }
    if (occupied != s.occupiedCount) __builtin_trap();
  }
  if (HallPostsWaiting() < 0 || HallPostsWaiting() > kHallOutboxCapacity) __builtin_trap();
}

// A player of the loaded file (if any) enters, sits down, buys medals when out, and leaves.
void ServePlayer(int machine, int button) {
  PlayerSlot& s = PlayerSlots[1];
  MakeSlotCurrent(1);
  if (s.name[0] == '\0') {
    if (EnterShopRefusal().stringId == 0 && StartVisit(0) == 1) {
      s.screen = ScreenHall;
      s.hallCursor = machine;
      if (TakeSeat().stringId == 0) s.machine->autoPlay = 1;
    }
  } else if (SlotIsSeated(s) && s.machine->pendingNotice != NoticeNone) {
    bool leave = s.machine->pendingNotice == NoticeClosingTime ||
                 ExchangeMedals(button).stringId != 0;
    if (leave) {
      LeaveSeat(1);
      CashOut(1);
      CloseVisit();
      FreeSlotAfterVisit();
    }
  }
  MakeSlotCurrent(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetUpOnce();
  if (size < 4) return 0;
  uint8_t flags = data[0];
  int hour = data[1] % 24;
  const MachineModel* model = MachineModelOfGame(data[1] / 24 % 7 + 1);
  SelectMachine(model != nullptr ? *model : kMachineNo1);
  size_t hallSize = static_cast<size_t>(data[2]) | static_cast<size_t>(data[3]) << 8;
  data += 4;
  size -= 4;
  if (hallSize > kHallFileBytes) hallSize = kHallFileBytes;
  if (hallSize > size) hallSize = size;
  size_t playerSize = size - hallSize;
  if (playerSize > kPlayerFileBytes) playerSize = kPlayerFileBytes;

  static uint8_t hall[kHallFileBytes];
  static uint8_t players[kPlayerFileBytes];
  std::memcpy(hall, data, hallSize);
  std::memcpy(players, data + hallSize, playerSize);
  if (flags & 1) {
    FixChecksums(hall, hallSize, sizeof(ShopRecord));
    FixChecksums(players, playerSize, sizeof(PlayerRecord));
  }
  char hallPath[kPathBytes];
  if (!DataFolder(GameText(ActiveMachine().number, TextHallFile), hallPath)) std::abort();
  std::remove(hallPath);
  std::remove(playerPath.c_str());
  if (flags & 2) WriteBytes(hallPath, hall, hallSize);   // else: no hall file at all
  if (flags & 4) WriteBytes(playerPath.c_str(), players, playerSize);

  int loaded = LoadData();
  StartSimClock(SecondsFromCivil(2026, 12, 7, hour, 59 - flags % 7, 30));
  SimStartUp(0x5EED, false);
  CheckFloor();

  int machine = flags >> 4;  // 0..15
  int button = 1301 + (flags >> 3) % 3;
  int ticks = (loaded & HallPart) ? kTicksPerHour : kTicksPerHour / 60;
  for (int t = 0; t < ticks; ++t) {
    SimTick(HallTick);
    HallPost post;
    while (TakeHallPost(post)) {
    }
    if (t % 64 == 0) {
      ServePlayer(machine, button);
      CheckFloor();
    }
  }
  CheckFloor();
  return 0;
}
