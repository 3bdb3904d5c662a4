// The save files against bytes laid out by hand at their offsets, the checksum rule, what a
// bad file costs, and the safety of saving (temporary file, player file on its own, .bad).
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "hall/data_folder.h"
#include "hall/player_record.h"
#include "hall/record_checksum.h"
#include "hall/record_ranges.h"
#include "hall/save_data.h"
#include "hall/shops.h"
#include "hall/string_id.h"
#include "machine/machine_catalog.h"
#include "machine/machine_model.h"
#include "tests/hall/hall_test_support.h"

namespace {

constexpr size_t kShopBytes = 3220;
constexpr size_t kMachineBase = 224;
constexpr size_t kMachineBytes = 176;
constexpr size_t kPlayerBytes = 232;

size_t MachineOffset(int shop, int machine, int field) {
  return shop * kShopBytes + kMachineBase + machine * kMachineBytes + field * 4;
}

void SealShop(std::vector<unsigned char>& b, int shop) {
  size_t base = shop * kShopBytes;
  PutInt32(b, base + 3216, SumSignedBytes(b, base, base + 3216));
}

void SealPlayer(std::vector<unsigned char>& b, int k) {
  size_t base = k * kPlayerBytes;
  PutInt32(b, base + 228, SumSignedBytes(b, base, base + 228));
}

// A hall file made by hand: every machine as a full reset leaves it (reels at strip index 20,
// setting index 2, both timers 1024), and a few recognisable values at their offsets.
std::vector<unsigned char> HandMadeHallFile() {
  std::vector<unsigned char> b(6440, 0);
  for (int shop = 0; shop < 2; ++shop) {
    for (int k = 0; k < 17; ++k) {
      for (int reel = 0; reel < 3; ++reel) PutInt32(b, MachineOffset(shop, k, 11 + reel), 720);
      PutInt32(b, MachineOffset(shop, k, 21), 2);
      PutInt32(b, MachineOffset(shop, k, 25), 1024);
      PutInt32(b, MachineOffset(shop, k, 26), 1024);
    }
  }
  PutInt32(b, 0, 1);                  // level
  PutInt32(b, 4, 1);                  // occupiedCount
  PutInt32(b, 12, 30);                // last open: minute
  PutInt32(b, 16, 21);                // hour
  PutInt32(b, 20, 6);                 // day of month
  PutInt32(b, 24, 11);                // month (December)
  PutInt32(b, 28, 126);               // years since 1900
  PutInt32(b, 36, 339);               // day of year
  const unsigned char date[] = "12/06";
  const unsigned char name[] = {0x83, 0x65, 0x83, 0x58, 0x83, 0x67, 0};  // "テスト" in cp932
  std::memcpy(&b[44 + 2 * 36], date, sizeof date);
  std::memcpy(&b[44 + 2 * 36 + 6], name, sizeof name);
  PutInt32(b, 44 + 2 * 36 + 32, 12345);
  PutInt32(b, MachineOffset(1, 3, 0), 1);     // night shop, machine 3: a customer
  PutInt32(b, MachineOffset(1, 3, 9), 4);     // big bonuses yesterday
  PutInt32(b, MachineOffset(1, 3, 2), -77);   // the reserved word, kept as it is
  PutInt32(b, MachineOffset(1, 3, 43), 777);  // medals
  SealShop(b, 0);
  SealShop(b, 1);
  return b;
}

// A player file made by hand: two enrolled players, the rest free.
std::vector<unsigned char> HandMadePlayerFile() {
  std::vector<unsigned char> b(1856, 0);
  const unsigned char first[] = {0x82, 0x60, 0x82, 0x61, 0};  // "ＡＢ" in cp932
  PutInt32(b, 0, 1);
  std::memcpy(&b[4], first, sizeof first);
  PutInt32(b, 28, 3);                 // wins
  PutInt32(b, 32, 5);                 // losses
  PutInt32(b, 40, 7);                 // carried medals
  PutInt32(b, 44, 23400);             // purse
  std::memcpy(&b[48 + 36], "12/01", 6);
  std::memcpy(&b[48 + 36 + 6], "Orlido 2", 9);
  PutInt32(b, 48 + 36 + 32, -4000);   // history entry 1
  std::memcpy(&b[192], "11/30", 6);
  PutInt32(b, 224, 8800);             // best
  SealPlayer(b, 0);
  PutInt32(b, kPlayerBytes, 1);
  std::memcpy(&b[kPlayerBytes + 4], "Kei", 4);
  PutInt32(b, kPlayerBytes + 44, 10000);
  SealPlayer(b, 1);
  return b;
}

class SaveFilesTest : public HallTest {
 protected:
  std::string hallPath() { return DataPath("Kv4401.dat"); }
  std::string playerPath() { return DataPath("tavri.dat"); }
};

TEST_F(SaveFilesTest, HandMadeHallFileLoadsFieldByField) {
  WriteFileBytes(hallPath(), HandMadeHallFile());
  ASSERT_EQ(LoadData() & HallPart, HallPart);
  const ShopRecord& day = Shops[0];
  EXPECT_EQ(day.level, 1);
  EXPECT_EQ(day.lastOpenTime.minute, 30);
  EXPECT_EQ(day.lastOpenTime.hour, 21);
  EXPECT_EQ(day.lastOpenTime.dayOfMonth, 6);
  EXPECT_EQ(day.lastOpenTime.month, 11);
  EXPECT_EQ(day.lastOpenTime.years, 126);
  EXPECT_EQ(day.lastOpenTime.dayOfYear, 339);
  EXPECT_STREQ(day.highScores[2].date, "12/06");
  EXPECT_STREQ(day.highScores[2].text, "\x83\x65\x83\x58\x83\x67");
  EXPECT_EQ(day.highScores[2].amount, 12345);
  const MachineRecord& m = Shops[1].machines[3];
  EXPECT_EQ(m.occupant, 1);
  EXPECT_EQ(m.bigCountDay[1], 4);
  EXPECT_EQ(m.reserved2, -77);
  EXPECT_EQ(m.medals, 777);
  EXPECT_EQ(m.setting, 2);
  EXPECT_EQ(Shops[1].machines[16].reelPos[2], 720);
}

TEST_F(SaveFilesTest, SavedHallFileHasFieldsAndChecksumsAtTheirOffsets) {
  Shops[0].lastOpenTime.hour = 19;
  Shops[1].level = 3;
  Shops[1].machines[15].medals = 4321;
  Shops[1].machines[15].occupant = 1;
  std::memcpy(Shops[0].highScores[4].text, "\x82\xA0", 3);  // "あ", negative bytes
  Shops[0].highScores[4].amount = -1;
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  std::vector<unsigned char> b = ReadFileBytes(hallPath());
  ASSERT_EQ(b.size(), 6440u);
  EXPECT_EQ(GetInt32(b, 16), 19);
  EXPECT_EQ(GetInt32(b, kShopBytes), 3);
  EXPECT_EQ(GetInt32(b, MachineOffset(1, 15, 43)), 4321);
  EXPECT_EQ(GetInt32(b, MachineOffset(1, 15, 0)), 1);
  EXPECT_EQ(b[44 + 4 * 36 + 6], 0x82);
  EXPECT_EQ(GetInt32(b, 44 + 4 * 36 + 32), -1);
  EXPECT_EQ(GetInt32(b, 3216), SumSignedBytes(b, 0, 3216));
  EXPECT_EQ(GetInt32(b, kShopBytes + 3216), SumSignedBytes(b, kShopBytes, kShopBytes + 3216));
}

TEST_F(SaveFilesTest, ChecksumTakesBytesAsSigned) {
  const unsigned char ff[] = {0xFF};
  const unsigned char pair[] = {0xFF, 0x01};
  const unsigned char low[] = {0x80, 0x7F, 0x7F};
  EXPECT_EQ(AdditiveChecksum(ff, 1), -1);
  EXPECT_EQ(AdditiveChecksum(pair, 2), 0);
  EXPECT_EQ(AdditiveChecksum(low, 3), 126);
  // A stored checksum that read the bytes as unsigned (255) is refused.
  std::vector<unsigned char> b = HandMadePlayerFile();
  b[2 * kPlayerBytes] = 1;
  std::memcpy(&b[2 * kPlayerBytes + 4], "\xFF", 2);
  PutInt32(b, 2 * kPlayerBytes + 228, 1 + 255);
  WriteFileBytes(playerPath(), b);
  EXPECT_EQ(LoadData() & PlayerPart, 0);
  PutInt32(b, 2 * kPlayerBytes + 228, 1 - 1);
  WriteFileBytes(playerPath(), b);
  EXPECT_EQ(LoadData() & PlayerPart, PlayerPart);
}

TEST_F(SaveFilesTest, HallFileOneByteShortIsRejectedWholeAndKeptAside) {
  std::vector<unsigned char> b = HandMadeHallFile();
  b.pop_back();
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, 0);
  // The first shop was read whole, yet both start afresh.
  EXPECT_EQ(Shops[1].machines[3].medals, 0);
  EXPECT_EQ(Shops[1].machines[3].occupant, 0);
  EXPECT_EQ(Shops[0].highScores[2].amount, 0);
  EXPECT_STREQ(Shops[0].highScores[2].date, "");
  // Level, count and last open time stay as read.
  EXPECT_EQ(Shops[0].lastOpenTime.hour, 21);
  EXPECT_EQ(ReadFileBytes(hallPath() + ".bad"), b);
  // The file itself stays until the save at the end replaces it.
  EXPECT_EQ(ReadFileBytes(hallPath()), b);
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  EXPECT_EQ(ReadFileBytes(hallPath()).size(), 6440u);
}

TEST_F(SaveFilesTest, FilesOneByteLongerAreRejectedAndKeptAside) {
  std::vector<unsigned char> hall = HandMadeHallFile();
  std::vector<unsigned char> players = HandMadePlayerFile();
  hall.push_back(0);
  players.push_back(0);
  WriteFileBytes(hallPath(), hall);
  WriteFileBytes(playerPath(), players);
  EXPECT_EQ(LoadData(), 0);
  EXPECT_EQ(Shops[1].machines[3].medals, 0);
  EXPECT_EQ(Players[0].inUse, 0);
  EXPECT_EQ(ReadFileBytes(hallPath() + ".bad"), hall);
  EXPECT_EQ(ReadFileBytes(playerPath() + ".bad"), players);
}

TEST_F(SaveFilesTest, ShopFailingItsChecksumStartsAfreshAlone) {
  std::vector<unsigned char> b = HandMadeHallFile();
  b[MachineOffset(0, 4, 43)] ^= 0x01;  // day shop, machine 4's medals, checksum as it was
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, 0);
  EXPECT_EQ(Shops[0].highScores[2].amount, 0);   // the day shop afresh
  EXPECT_EQ(Shops[0].machines[4].medals, 0);
  EXPECT_EQ(Shops[0].lastOpenTime.hour, 21);     // with its header, which makes sense
  EXPECT_EQ(Shops[1].machines[3].medals, 777);   // the night shop as it was
  EXPECT_EQ(Shops[1].machines[3].occupant, 1);
  EXPECT_EQ(ReadFileBytes(hallPath() + ".bad"), b);
}

TEST_F(SaveFilesTest, HandMadePlayerFileLoadsFieldByField) {
  WriteFileBytes(playerPath(), HandMadePlayerFile());
  ASSERT_EQ(LoadData() & PlayerPart, PlayerPart);
  const PlayerRecord& p = Players[0];
  EXPECT_EQ(p.inUse, 1);
  EXPECT_STREQ(p.name, "\x82\x60\x82\x61");
  EXPECT_EQ(p.wins, 3);
  EXPECT_EQ(p.losses, 5);
  EXPECT_EQ(p.carriedMedals, 7);
  EXPECT_EQ(p.purse, 23400);
  EXPECT_STREQ(p.history[1].text, "Orlido 2");
  EXPECT_EQ(p.history[1].amount, -4000);
  EXPECT_STREQ(p.best.date, "11/30");
  EXPECT_EQ(p.best.amount, 8800);
  EXPECT_STREQ(Players[1].name, "Kei");
  EXPECT_EQ(Players[2].inUse, 0);
}

TEST_F(SaveFilesTest, OneChangedByteCostsThatPlayerAlone) {
  std::vector<unsigned char> b = HandMadePlayerFile();
  b[44] ^= 0x01;  // ＡＢ's purse, checksum left as it was
  WriteFileBytes(playerPath(), b);
  EXPECT_EQ(LoadData() & PlayerPart, 0);
  // Kei moves up into the first record; nobody else is lost.
  EXPECT_STREQ(Players[0].name, "Kei");
  EXPECT_EQ(Players[0].purse, 10000);
  for (int k = 1; k < 8; ++k) EXPECT_EQ(Players[k].inUse, 0) << k;
  EXPECT_EQ(ReadFileBytes(playerPath() + ".bad"), b);
  // What is saved now is a sound file that every game reads whole.
  ASSERT_EQ(SaveData() & PlayerPart, PlayerPart);
  EXPECT_EQ(LoadData() & PlayerPart, PlayerPart);
  EXPECT_STREQ(Players[0].name, "Kei");
}

// A folder stands where the copy of a damaged file would go: the copy takes the next free
// name, and the file is still replaced by the save at the end.
TEST_F(SaveFilesTest, DamagedFileIsKeptUnderAnotherNameWhenBadCannotBeMade) {
  std::vector<unsigned char> b = HandMadePlayerFile();
  b[44] ^= 0x01;
  WriteFileBytes(playerPath(), b);
  ASSERT_EQ(mkdir((playerPath() + ".bad").c_str(), 0777), 0);
  WriteFileBytes(playerPath() + ".bad1", {1, 2, 3});  // an older copy is not replaced
  LoadData();
  EXPECT_EQ(ReadFileBytes(playerPath() + ".bad1"), std::vector<unsigned char>({1, 2, 3}));
  EXPECT_EQ(ReadFileBytes(playerPath() + ".bad2"), b);
  EXPECT_EQ(SaveData() & PlayerPart, PlayerPart);
}

// No copy can be made at all: the damaged file stays as it is and is not saved over.
TEST_F(SaveFilesTest, DamagedFileThatCannotBeKeptIsNotSavedOver) {
  std::vector<unsigned char> b = HandMadePlayerFile();
  b[44] ^= 0x01;
  WriteFileBytes(playerPath(), b);
  ASSERT_EQ(mkdir((playerPath() + ".bad").c_str(), 0777), 0);
  for (int k = 1; k <= 9; ++k) {
    ASSERT_EQ(mkdir((playerPath() + ".bad" + std::to_string(k)).c_str(), 0777), 0);
  }
  LoadData();
  EXPECT_STREQ(Players[0].name, "Kei");
  EXPECT_EQ(SaveData(), HallPart);
  EXPECT_EQ(ReadFileBytes(playerPath()), b);
  EXPECT_FALSE(FileExists(playerPath() + ".tmp"));
}

// Something stands at the player file's name that cannot be read (here a folder; on Windows a
// file another program holds without sharing): the game starts without players, says so once,
// and neither moves it nor saves over it. The hall file is saved as usual.
TEST_F(SaveFilesTest, FileThatCannotBeReadIsLeftAloneAndToldOnce) {
  ASSERT_EQ(mkdir(playerPath().c_str(), 0777), 0);
  WriteFileBytes(hallPath(), HandMadeHallFile());
  Players[0].inUse = 1;
  EXPECT_EQ(LoadData(), HallPart);
  EXPECT_EQ(Players[0].inUse, 0);
  HallMessage warning;
  ASSERT_TRUE(TakeLoadWarning(warning));
  EXPECT_EQ(warning.stringId, TextFileInUse);
  EXPECT_EQ(warning.icon, IconWarning);
  EXPECT_STREQ(warning.name, "tavri.dat");
  EXPECT_FALSE(TakeLoadWarning(warning));
  EXPECT_FALSE(FileExists(playerPath() + ".bad"));
  EXPECT_EQ(SaveData(), HallPart);
  struct stat info;
  ASSERT_EQ(stat(playerPath().c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  // Once the file reads again, the next start loads and saves it as usual.
  ASSERT_EQ(rmdir(playerPath().c_str()), 0);
  WriteFileBytes(playerPath(), HandMadePlayerFile());
  EXPECT_EQ(LoadData(), HallPart | PlayerPart);
  EXPECT_FALSE(TakeLoadWarning(warning));
  EXPECT_EQ(SaveData(), HallPart | PlayerPart);
}

TEST_F(SaveFilesTest, AllZeroPlayerArraySavedAndReloadedStaysValid) {
  ClearPlayers();
  ASSERT_EQ(SaveData() & PlayerPart, PlayerPart);
  EXPECT_EQ(ReadFileBytes(playerPath()), std::vector<unsigned char>(1856, 0));
  EXPECT_EQ(LoadData() & PlayerPart, PlayerPart);
  EXPECT_FALSE(FileExists(playerPath() + ".bad"));
}

TEST_F(SaveFilesTest, PlayerFileOfGameNo1IsReadByGameNo4) {
  WriteFileBytes(playerPath(), HandMadePlayerFile());
  ASSERT_EQ(LoadData(), PlayerPart);
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);  // game No.1 writes both
  std::vector<unsigned char> written = ReadFileBytes(playerPath());
  std::vector<unsigned char> hallOfNo1 = ReadFileBytes(hallPath());

  MachineModel no4 = kMachineNo1;  // the player file does not depend on the machine
  no4.number = 4;
  no4.modelName = "Pembrix 7";
  SelectMachine(no4);
  ClearPlayers();
  EXPECT_EQ(LoadData(), PlayerPart);  // no hall file of game No.4 yet
  EXPECT_EQ(std::memcmp(Players, written.data(), 1856), 0);
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  EXPECT_EQ(ReadFileBytes(playerPath()), written);
  EXPECT_TRUE(FileExists(DataPath("Kv4404.dat")));
  EXPECT_EQ(ReadFileBytes(hallPath()), hallOfNo1);
}

TEST_F(SaveFilesTest, FailedHallSaveKeepsLastGoodFileAndStillWritesPlayers) {
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  std::vector<unsigned char> good = ReadFileBytes(hallPath());
  // The temporary file cannot be created: a folder stands in its place.
  ASSERT_EQ(mkdir((hallPath() + ".tmp").c_str(), 0777), 0);
  Shops[0].machines[0].medals = 999;
  Players[0].inUse = 1;
  std::memcpy(Players[0].name, "Mio", 4);
  Players[0].purse = 5000;
  EXPECT_EQ(SaveData(), PlayerPart);
  EXPECT_EQ(ReadFileBytes(hallPath()), good);
  std::vector<unsigned char> players = ReadFileBytes(playerPath());
  ASSERT_EQ(players.size(), 1856u);
  EXPECT_EQ(GetInt32(players, 44), 5000);
}

TEST_F(SaveFilesTest, SaveLeavesNoTemporaryFileBehind) {
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  ASSERT_EQ(SaveData(), HallPart | PlayerPart);
  EXPECT_FALSE(FileExists(hallPath() + ".tmp"));
  EXPECT_FALSE(FileExists(playerPath() + ".tmp"));
}

TEST_F(SaveFilesTest, MissingFilesGiveFreshDefaultsAndNothingKeptAside) {
  Shops[0].machines[4].medals = 55;
  Players[0].inUse = 1;
  EXPECT_EQ(LoadData(), 0);
  EXPECT_EQ(Shops[0].machines[4].medals, 0);
  EXPECT_EQ(Shops[0].machines[4].setting, 2);
  EXPECT_EQ(Shops[0].lastOpenTime.years, 0);
  EXPECT_EQ(Players[0].inUse, 0);
  EXPECT_FALSE(FileExists(hallPath() + ".bad"));
  EXPECT_FALSE(FileExists(playerPath() + ".bad"));
}

// One field set outside its range, the checksum fixed up: the record is refused like a bad
// checksum. The same field at the edge of its range is accepted.
struct HallMutation {
  const char* what;
  size_t offset;
  int32_t bad;
  int32_t edge;
};

TEST_F(SaveFilesTest, HallValueOutOfRangeCostsItsOwnRecordAlone) {
  const HallMutation cases[] = {
      {"level", 0, 5, 4},
      {"occupiedCount", 4, 17, 16},
      {"last open hour", 16, 24, 23},
      {"last open day of year", 36, 366, 365},
      {"last open years", 28, -1, 0},
      {"high-score amount", 44 + 32, 1000000000, 999999999},
      {"occupant", MachineOffset(0, 5, 0), 6, 5},
      {"pendingNotice", MachineOffset(0, 5, 6), 3, 4},
      {"reelPos", MachineOffset(1, 2, 12), 793, 792},
      {"reelState", MachineOffset(1, 2, 15), 2, 1},
      {"reelState slide", MachineOffset(1, 2, 15), -22, -21},
      {"soundRequest", MachineOffset(0, 0, 19), 711, 710},
      {"setting", MachineOffset(0, 7, 21), 6, 5},
      {"setting below", MachineOffset(0, 7, 21), -1, 0},
      {"bigStock", MachineOffset(0, 7, 22), -1, 0},
      {"highModeCount", MachineOffset(0, 7, 23), 129, 128},
      {"state", MachineOffset(0, 8, 24), 7, 6},
      {"spinWait", MachineOffset(0, 8, 25), 1025, 1024},
      {"stateTimer", MachineOffset(0, 8, 26), -4, -3},
      {"stateTimer high", MachineOffset(0, 8, 26), 4097, 4096},
      {"targetLine", MachineOffset(0, 8, 28), 3, 16},
      {"bet", MachineOffset(0, 9, 30), 4, 3},
      {"bigGames", MachineOffset(0, 9, 31), 31, 30},
      {"bigGames marker", MachineOffset(0, 9, 31), -1, -10000},
      {"jacWins", MachineOffset(0, 9, 32), 7, 6},
      {"jacGames", MachineOffset(0, 9, 34), 13, 12},
      {"payoutPending", MachineOffset(0, 9, 35), 16, 15},
      {"boxes", MachineOffset(0, 9, 41), 4, 3},
      {"field 42", MachineOffset(0, 9, 42), 7, 6},
      {"medals", MachineOffset(1, 16, 43), -1, 0},
      {"medals high", MachineOffset(1, 16, 43), 100000000, 99999999},
  };
  for (const HallMutation& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> b = HandMadeHallFile();
    int shop = c.offset >= kShopBytes ? 1 : 0;
    PutInt32(b, c.offset, c.bad);
    SealShop(b, shop);
    WriteFileBytes(hallPath(), b);
    EXPECT_EQ(LoadData() & HallPart, 0);
    EXPECT_EQ(Shops[1].machines[3].medals, 777);  // the customer of another record stays
    EXPECT_EQ(Shops[1 - shop].highScores[2].amount, shop == 0 ? 0 : 12345);
    size_t at = c.offset - shop * kShopBytes;
    if (at >= kMachineBase && at < kMachineBase + 17 * kMachineBytes) {
      const MachineRecord& m = Shops[shop].machines[(at - kMachineBase) / kMachineBytes];
      EXPECT_EQ(MachineFieldOutOfRange(m, 36), nullptr);  // reset alone
      EXPECT_EQ(m.setting, 2);
      if (shop == 0) {
        EXPECT_EQ(Shops[0].highScores[2].amount, 12345);
      }
    } else if (at < 44) {
      EXPECT_EQ(Shops[shop].level, 0);  // the header alone: a shop never open
      EXPECT_EQ(Shops[shop].lastOpenTime.hour, 0);
    }
    PutInt32(b, c.offset, c.edge);
    SealShop(b, shop);
    WriteFileBytes(hallPath(), b);
    EXPECT_EQ(LoadData() & HallPart, HallPart);
  }
}

TEST_F(SaveFilesTest, CreditAboveMedalsIsRefused) {
  std::vector<unsigned char> b = HandMadeHallFile();
  PutInt32(b, MachineOffset(1, 3, 39), 50);  // credit 50 of 777 medals: fine
  SealShop(b, 1);
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, HallPart);
  PutInt32(b, MachineOffset(1, 3, 43), 49);
  SealShop(b, 1);
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, 0);
  EXPECT_EQ(Shops[1].machines[3].occupant, 0);  // that machine starts afresh
  EXPECT_EQ(Shops[1].machines[3].credit, 0);
  EXPECT_EQ(Shops[0].highScores[2].amount, 12345);
}

TEST_F(SaveFilesTest, RejectedHallKeepsOnlyAHeaderThatMakesSense) {
  std::vector<unsigned char> b = HandMadeHallFile();
  PutInt32(b, 12, 75);  // minute 75: the whole header of the day shop is dropped
  SealShop(b, 0);
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, 0);
  EXPECT_EQ(Shops[0].lastOpenTime.hour, 0);
  EXPECT_EQ(Shops[0].level, 0);
  EXPECT_EQ(Shops[0].highScores[2].amount, 12345);  // the rest of the shop stays
}

TEST_F(SaveFilesTest, UnterminatedScoreTextIsRefused) {
  std::vector<unsigned char> b = HandMadeHallFile();
  std::memset(&b[44 + 6], 'A', 26);
  SealShop(b, 0);
  WriteFileBytes(hallPath(), b);
  EXPECT_EQ(LoadData() & HallPart, 0);
  EXPECT_STREQ(Shops[0].highScores[1].date, "12/06");  // the places below move up
  EXPECT_EQ(Shops[0].highScores[1].amount, 12345);
  EXPECT_STREQ(Shops[0].highScores[4].date, "");
}

TEST_F(SaveFilesTest, PlayerValuesOutOfRangeCostThatPlayerAlone) {
  struct Case {
    const char* what;
    void (*spoil)(std::vector<unsigned char>&);
    const char* first;   // the names kept, in order ("" for none)
    const char* second;
  };
  const char* ab = "\x82\x60\x82\x61";
  const Case cases[] = {
      {"inUse 2", [](std::vector<unsigned char>& b) { PutInt32(b, 0, 2); }, "Kei", ""},
      {"carried medals 16", [](std::vector<unsigned char>& b) { PutInt32(b, 40, 16); }, "Kei", ""},
      {"negative purse", [](std::vector<unsigned char>& b) { PutInt32(b, 44, -1); }, "Kei", ""},
      {"negative wins", [](std::vector<unsigned char>& b) { PutInt32(b, 28, -1); }, "Kei", ""},
      {"empty name", [](std::vector<unsigned char>& b) { std::memset(&b[4], 0, 24); }, "Kei", ""},
      {"name of 23 bytes", [](std::vector<unsigned char>& b) { std::memset(&b[4], 'n', 23); },
       "Kei", ""},
      {"name without end", [](std::vector<unsigned char>& b) { std::memset(&b[4], 'n', 24); },
       "Kei", ""},
      {"history date without end",
       [](std::vector<unsigned char>& b) { std::memset(&b[48], '1', 6); }, "Kei", ""},
      {"duplicate name",
       [](std::vector<unsigned char>& b) { std::memcpy(&b[kPlayerBytes + 4], "\x82\x60\x82\x61", 5); },
       ab, ""},
      {"free record not zero", [](std::vector<unsigned char>& b) { b[3 * kPlayerBytes + 44] = 1; },
       ab, "Kei"},
      {"gap before a player",
       [](std::vector<unsigned char>& b) {
         std::memcpy(&b[3 * kPlayerBytes], &b[kPlayerBytes], kPlayerBytes);
         std::memset(&b[kPlayerBytes], 0, kPlayerBytes);
       },
       ab, "Kei"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> b = HandMadePlayerFile();
    c.spoil(b);
    for (int k = 0; k < 8; ++k) SealPlayer(b, k);
    WriteFileBytes(playerPath(), b);
    EXPECT_EQ(LoadData() & PlayerPart, 0);
    EXPECT_STREQ(Players[0].name, c.first);
    EXPECT_STREQ(Players[1].name, c.second);
    for (int k = 0; k < 8; ++k) EXPECT_TRUE(PlayerRecordInRange(Players[k])) << k;
    EXPECT_TRUE(PlayerArrayInRange(Players));
  }
  std::vector<unsigned char> b = HandMadePlayerFile();
  std::memset(&b[kPlayerBytes + 4], 'n', 22);  // 22 bytes: the longest name
  PutInt32(b, 40, 15);
  SealPlayer(b, 0);
  SealPlayer(b, 1);
  WriteFileBytes(playerPath(), b);
  EXPECT_EQ(LoadData() & PlayerPart, PlayerPart);
}

TEST_F(SaveFilesTest, DataFolderPathIsBuiltWithin260Bytes) {
  char path[kPathBytes];
  ASSERT_TRUE(DataFolder("Kv4401.dat", path));
  EXPECT_EQ(std::string(path), documents + "/tavri/Kv4401.dat");
  struct stat info;
  EXPECT_EQ(stat((documents + "/tavri").c_str(), &info), 0);

  SetDocumentsFolder((documents + "/").c_str());  // no doubled separator
  ASSERT_TRUE(DataFolder("tavri.dat", path));
  EXPECT_EQ(std::string(path), documents + "/tavri/tavri.dat");

  // "/tavri/" and "Kv4401.dat" add 17 bytes: 242 + 17 = 259 bytes fit with the NUL, 243 do not.
  std::string longest = documents + "/" + std::string(242 - documents.size() - 1, 'd');
  ASSERT_EQ(longest.size(), 242u);
  ASSERT_EQ(mkdir(longest.c_str(), 0777), 0);
  SetDocumentsFolder(longest.c_str());
  EXPECT_TRUE(DataFolder("Kv4401.dat", path));
  EXPECT_EQ(std::strlen(path), 259u);
  std::string tooLong = longest + "ee";  // too long for "tavri.dat" as well
  ASSERT_EQ(mkdir(tooLong.c_str(), 0777), 0);
  SetDocumentsFolder(tooLong.c_str());
  EXPECT_FALSE(DataFolder("Kv4401.dat", path));
  EXPECT_STREQ(path, "");
  EXPECT_EQ(SaveData(), 0);
  EXPECT_EQ(LoadData(), 0);
}

// The system names no documents folder: the save files go to "tavri" below the user's own
// folder, and without one below the folder the game was started from, instead of nowhere.
TEST_F(SaveFilesTest, WithoutADocumentsFolderTheUsersOwnFolderServes) {
  const char* oldHome = std::getenv("HOME");
  std::string home = oldHome != nullptr ? oldHome : "";
  char path[kPathBytes];
  SetDocumentsFolder(nullptr);
  setenv("HOME", documents.c_str(), 1);
  ASSERT_TRUE(DataFolder("tavri.dat", path));
  EXPECT_EQ(std::string(path), documents + "/tavri/tavri.dat");

  std::string started = documents + "/started";
  ASSERT_EQ(mkdir(started.c_str(), 0777), 0);
  char before[kPathBytes];
  ASSERT_NE(getcwd(before, sizeof before), nullptr);
  ASSERT_EQ(chdir(started.c_str()), 0);
  unsetenv("HOME");
  SetDocumentsFolder("");
  bool made = DataFolder("Kv4401.dat", path);
  int saved = SaveData();
  int loaded = LoadData();
  EXPECT_EQ(chdir(before), 0);
  if (oldHome != nullptr) setenv("HOME", home.c_str(), 1);
  EXPECT_TRUE(made);
  EXPECT_EQ(std::string(path), started + "/tavri/Kv4401.dat");
  EXPECT_EQ(saved, HallPart | PlayerPart);
  EXPECT_EQ(loaded, HallPart | PlayerPart);
  EXPECT_EQ(ReadFileBytes(started + "/tavri/tavri.dat").size(), 1856u);
}

}  // namespace
