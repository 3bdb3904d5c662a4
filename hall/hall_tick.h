// The hall's step of every tick: both shops, every floor machine, in a fixed order, with the
// notices a game end may raise.
#pragma once

// Shop 0 then shop 1, floor machines 0..15: automatic operation of an occupied machine, the
// machine's own tick, the game-end checks, the customers. An open shop then records the time.
void HallTick();

// The checks at the one tick after a game ended on an occupied machine, in this order: the
// big-bonus notice, out of medals, closing time.
void GameEndChecks(int shop, int machine);
