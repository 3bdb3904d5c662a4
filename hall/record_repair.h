// Believing a save file record by record: what is damaged (a bad checksum, a value out of its
// range) starts afresh on its own, so one bad record never costs the players or shops beside it.
#pragma once

#include "hall/player_record.h"
#include "hall/shop_record.h"

// The floor of a shop fresh: every machine record 0..16 fully reset, the high scores empty.
void ResetShopFloor(ShopRecord& shop);
// A shop that cannot be believed: a fresh floor; its level, count and last open time stay when
// they make sense (they are recomputed or only measure the time since) and are zero otherwise.
void ResetShopRecord(ShopRecord& shop);

// A shop record as read. A bad checksum resets the whole shop (ResetShopRecord); otherwise only what is out of range starts afresh: the
// header, a high-score place (the places below move up), a machine. True when nothing had to.
bool RepairShopRecord(ShopRecord& shop, int symbolHeight);

// The eight records as read, into out: records with a good checksum and values in range keep
// their order from index 0 without a gap; a record that is damaged, or repeats the name of one
// before it, is left out; the rest are free (all zero). True when every record was kept as
// read, in its place.
bool RepairPlayerRecords(const PlayerRecord* read, PlayerRecord* out);
