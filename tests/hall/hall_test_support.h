// Helpers for the hall tests: every test starts from a fresh process state of game No.1 at a
// chosen local time, with a temporary data folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hall/shop_record.h"

// Fixture: game No.1, fixed seed, tick counters at start, empty outbox, a fresh hall (as after
// a missing file), no players, empty slots, the clock at 2026-12-07 12:00 and a temporary
// documents folder that is removed afterwards.
class HallTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Sets the clock and runs the clock check, as start-up does (levels from the hour).
  void SetClock(int year, int month, int day, int hour, int minute, int second = 0);
  // The hall's step as the tick handler runs it: counters first, then HallTick.
  void Tick();
  // Ticks until Phase1024 next reads 0 (the customers' beat); returns ticks run.
  int TickToCustomerBeat();

  // Paths in the temporary documents folder: "<docs>/tavri/<name>".
  std::string DataPath(const char* name) const;
  std::string documents;
};

// Reads a whole file (empty when missing); writes bytes to a file.
std::vector<unsigned char> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::string& path);

// Little-endian int32 at an offset of a byte image.
void PutInt32(std::vector<unsigned char>& bytes, size_t offset, int32_t value);
int32_t GetInt32(const std::vector<unsigned char>& bytes, size_t offset);
// The additive checksum of bytes [begin, end), computed here by hand, independently of the game.
int32_t SumSignedBytes(const std::vector<unsigned char>& bytes, size_t begin, size_t end);

// A floor machine freshly reset, idle, with this occupant and these medals; the shop recounts.
MachineRecord& PlaceOccupant(int shop, int machine, int occupant, int medals);
