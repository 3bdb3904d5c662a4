// The hall tests' fixture and byte helpers.
#include "tests/hall/hall_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "hall/catch_up.h"
#include "hall/data_folder.h"
#include "hall/hall_outbox.h"
#include "hall/hall_tick.h"
#include "hall/medal_exchange.h"
#include "hall/player_slot.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "machine/auto_operate.h"
#include "shell/auto_press.h"
#include "machine/game_random.h"
#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "base/game_clock.h"
#include "base/open_menu.h"
#include "hall/shop_clock.h"
#include "base/tick_counters.h"
#include "tools/hallsim/hall_sim.h"

namespace {

int64_t fixedClockSeconds = 0;
void ReadFixedClock(CalendarTime& out) { CivilFromSeconds(fixedClockSeconds, out); }

void RemoveTree(const std::string& path) {
  std::string command = "rm -rf '" + path + "'";
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", path.c_str());
}

}  // namespace

void HallTest::SetUp() {
  SelectMachine(kMachineNo1);
  ResetTickCounters();
  SeedGameRandom(20261207);
  ClearHallOutbox();
  ResetShopsToDefaults();
  ClearPlayers();
  ResetExchangeButton();
  HallChanged = 0;
  OpenMenu = nullptr;
  AutoPressedWindow = nullptr;
  SetControlPressPort(nullptr);
  for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
  char pattern[] = "/tmp/hall-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  ASSERT_NE(made, nullptr);
  documents = made;
  SetDocumentsFolder(documents.c_str());
  SetClock(2026, 12, 7, 12, 0);
  for (int slot = 0; slot < kPlayerSlots; ++slot) ResetPlayerSlot(slot);
  MakeSlotCurrent(0);
}

void HallTest::TearDown() {
  SetClockSource(nullptr);
  SetDocumentsFolder(nullptr);
  if (!documents.empty()) RemoveTree(documents);
}

void HallTest::SetClock(int year, int month, int day, int hour, int minute, int second) {
  fixedClockSeconds = SecondsFromCivil(year, month, day, hour, minute, second);
  SetClockSource(ReadFixedClock);
  ResetShopClock();
  ShopClockCheck();
}

void HallTest::Tick() {
  AdvanceTickCounters();
  HallTick();
}

int HallTest::TickToCustomerBeat() {
  int n = 0;
  do {
    Tick();
    ++n;
  } while (Phase1024 != 0);
  return n;
}

std::string HallTest::DataPath(const char* name) const {
  mkdir((documents + "/tavri").c_str(), 0777);
  return documents + "/tavri/" + name;
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

void PutInt32(std::vector<unsigned char>& bytes, size_t offset, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

int32_t GetInt32(const std::vector<unsigned char>& bytes, size_t offset) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
  return static_cast<int32_t>(v);
}

int32_t SumSignedBytes(const std::vector<unsigned char>& bytes, size_t begin, size_t end) {
  int64_t sum = 0;
  for (size_t i = begin; i < end; ++i) sum += bytes[i] >= 128 ? bytes[i] - 256 : bytes[i];
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(sum)));
}

MachineRecord& PlaceOccupant(int shop, int machine, int occupant, int medals) {
  MachineRecord& m = Shops[shop].machines[machine];
  ResetMachine(m, ResetFull);
  m.occupant = occupant;
  m.medals = medals;
  RecountOccupied(shop);
  return m;
}
