// The No.1 logic family (machines No.1 and No.6): its lottery, stop control and scoring.
#pragma once

#include "machine/game_cycle.h"
#include "machine/machine_model.h"
#include "machine/stop_search.h"

// Symbol codes of the family.
enum No1Symbol {
  SymbolSeven = 0,
  SymbolBar = 1,
  SymbolCherry = 2,
  SymbolLamp = 3,
  SymbolPyramid = 4,
  SymbolFruitA = 5,
  SymbolFruitB = 6,
  SymbolFruitAJac = 7,
  SymbolFruitBJac = 8,
  SymbolJac = 9,
  SymbolAny = 10,  // stop control's target of a game without role
};

extern const StopRules kNo1StopRules;

void No1LotteryDraw(const MachineModel& model, MachineRecord& m);
int No1StopControl(const MachineModel& model, MachineRecord& m, int reel);
int No1LineMask(const MachineModel& model, const MachineRecord& m);
int No1Payout(const MachineModel& model, MachineRecord& m);

// The role stop control serves: the highest bit of roleFlags in the order 32, 16, .., 1.
int No1ServedRole(int roleFlags);

// The game cycle of machine No.1: sounds 703..709, a pause when the credit fills during a
// pay-out and after the last medal. Machines No.3, No.4 and No.6 vary it.
constexpr CycleRules No1Cycle() {
  return CycleRules{
      .soundSingleLinedUp = 703,
      .soundMedalBet = 704,
      .soundBetToCredit = 0,
      .soundLateLever = 705,
      .soundReelStart = 706,
      .soundReelRest = 707,
      .soundMedalPaid = 708,
      .soundLastMedal = 709,
      .soundCreditFull = 709,
      .pauseOnCreditFull = true,
      .pauseAfterLastMedal = true,
      .newGameRedraw = RedrawBonusLamps | RedrawBigChanceLamp,
      .newGameClearsJacStage = true,
      .leverNumbersJacStage = false,
      .slowIntervalInStages = false,
      .digitsRedrawWhileWaiting = false,
      .creditRedraw = RedrawDigits,
      .jacPlayWithoutLever = false,
      .payoutEndClearsStage = false,
      .startBonus = StartLinedUpBonus,
  };
}
