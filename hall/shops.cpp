// Storage of the two shops, which live for the whole run, and their occupancy count.
#include "hall/shops.h"

#include "machine/machine_reset.h"

ShopRecord Shops[kShopCount];
int HallChanged = 0;

void ResetMachine(int shop, int machine, int type) {
  if (shop < 0 || shop >= kShopCount || machine < 0 || machine >= kMachinesPerShop) return;
  ResetMachine(Shops[shop].machines[machine], type);
}

int RecountOccupied(int shop) {
  if (shop < 0 || shop >= kShopCount) return 0;
  ShopRecord& s = Shops[shop];
  int n = 0;
  for (int i = 0; i < kFloorMachines; ++i) {
    if (s.machines[i].occupant != OccupantFree) ++n;
  }
  s.occupiedCount = n;
  return n;
}

void VacateMachine(int shop, int machine) {
  ResetMachine(shop, machine, ResetVacate);
  RecountOccupied(shop);
  HallChanged = 1;
}
