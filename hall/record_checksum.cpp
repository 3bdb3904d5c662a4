// Checksums over the record images as they lie in memory, which is how they lie in the files.
#include "hall/record_checksum.h"

#include <cstddef>

#include "hall/player_record.h"
#include "hall/shops.h"

int32_t AdditiveChecksum(const void* bytes, size_t count) {
  const signed char* p = static_cast<const signed char*>(bytes);
  uint32_t sum = 0;  // unsigned so that the wrap is defined; the result is the same bits
  for (size_t i = 0; i < count; ++i) sum += static_cast<uint32_t>(static_cast<int32_t>(p[i]));
  return static_cast<int32_t>(sum);
}

bool ShopChecksumMatches(const ShopRecord& shop) {
  return AdditiveChecksum(&shop, offsetof(ShopRecord, checksum)) == shop.checksum;
}

bool PlayerChecksumMatches(const PlayerRecord& player) {
  return AdditiveChecksum(&player, offsetof(PlayerRecord, checksum)) == player.checksum;
}

void StoreShopChecksums() {
  for (ShopRecord& s : Shops) s.checksum = AdditiveChecksum(&s, offsetof(ShopRecord, checksum));
}

void StorePlayerChecksums() {
  for (PlayerRecord& p : Players) p.checksum = AdditiveChecksum(&p, offsetof(PlayerRecord, checksum));
}

bool ShopChecksumsMatch() {
  bool ok = true;
  for (const ShopRecord& s : Shops) ok = ShopChecksumMatches(s) && ok;
  return ok;
}

bool PlayerChecksumsMatch() {
  bool ok = true;
  for (const PlayerRecord& p : Players) ok = PlayerChecksumMatches(p) && ok;
  return ok;
}
