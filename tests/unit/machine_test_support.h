// Helpers for machine tests: a clean process-wide state, machines placed at chosen reel
// positions, and ticks run one by one.
#pragma once

#include <gtest/gtest.h>

#include "hall/player_slot.h"
#include "hall/shops.h"
#include "machine/auto_operate.h"
#include "shell/auto_press.h"
#include "machine/game_cycle.h"
#include "machine/game_random.h"
#include "machine/machine_catalog.h"
#include "machine/machine_reset.h"
#include "machine/reel_geometry.h"
#include "base/open_menu.h"
#include "hall/auto_play.h"
#include "base/tick_counters.h"

// Every machine test starts from the state of a fresh process running game No.1.
class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectMachine(kMachineNo1);
    ResetTickCounters();
    SeedGameRandom(12345);
    HallChanged = 0;
    OpenMenu = nullptr;
    AutoPressedWindow = nullptr;
    SetControlPressPort(nullptr);
    for (PlayerSlot& slot : PlayerSlots) slot = PlayerSlot{};
    CurrentSlot = {0, &PlayerSlots[0]};
    m = MachineRecord{};
    ResetMachine(m, ResetFull);
  }

  const MachineModel& model() const { return ActiveMachine(); }

  // Puts a reel at rest with strip index `top` in its top row.
  void PlaceReel(int reel, int top) {
    m.reelPos[reel] = model().symbolHeight * Mod21(top);
    m.reelState[reel] = 0;
  }

  // One tick as the hall runs it for an occupied machine.
  void Tick() {
    AdvanceTickCounters();
    AutoPlay(m);
    MachineTick(m);
  }

  // Ticks until the predicate holds; false when it did not within the limit.
  template <typename Pred>
  bool TickUntil(Pred pred, int limit = 100000) {
    for (int i = 0; i < limit; ++i) {
      if (pred()) return true;
      Tick();
    }
    return pred();
  }

  // Symbol (translated as scoring sees it) in a row of a reel.
  int Shown(int reel, int row, bool jacPlay = false) const {
    return SymbolAfter(model(), m, reel, row, 0, jacPlay);
  }

  MachineRecord m{};
};
