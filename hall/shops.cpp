// Storage of the two shops, which live for the whole run.
#include "hall/shops.h"

#include "machine/machine_reset.h"

ShopRecord Shops[kShopCount];
int HallChanged = 0;

void ResetMachine(int shop, int machine, int type) {
  if (shop < 0 || shop >= kShopCount || machine < 0 || machine >= kMachinesPerShop) return;
  ResetMachine(Shops[shop].machines[machine], type);
}
