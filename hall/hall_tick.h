// The hall's step of every tick: both shops, every floor machine, in a fixed order, with the
// notices a game end may raise.
#pragma once

#include "machine/machine_record.h"

// Shop 0 then shop 1, floor machines 0..15: automatic operation of an occupied machine, the
// machine's own tick, the game-end checks, the customers. An open shop then records the time.
void HallTick();
// One shop's part of it. A closed shop draws nothing, so a tool that keeps one shop closed for
// good may leave it out and play the same games.
void ShopTick(int shop);

// Who works the occupied machines: automatic operation, unless a tool puts a player of its own
// at some of them (the payout table's player who stops at the best moment). Null restores it.
using FloorOperator = void (*)(int shop, int machine, MachineRecord& m);
void SetFloorOperator(FloorOperator op);

// The checks at the one tick after a game ended on an occupied machine, in this order: the
// big-bonus notice, out of medals, closing time.
void GameEndChecks(int shop, int machine);
