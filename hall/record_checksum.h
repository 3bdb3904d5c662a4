// The additive checksum of the save files: every covered byte as a signed 8-bit value, summed
// into a signed 32-bit integer that wraps.
#pragma once

#include <cstddef>
#include <cstdint>

struct ShopRecord;
struct PlayerRecord;

int32_t AdditiveChecksum(const void* bytes, size_t count);

// Computes and stores the checksum of both shop records / of the eight player records.
void StoreShopChecksums();
void StorePlayerChecksums();
// True only when every record's stored checksum matches.
bool ShopChecksumsMatch();
bool PlayerChecksumsMatch();

bool ShopChecksumMatches(const ShopRecord& shop);
bool PlayerChecksumMatches(const PlayerRecord& player);
