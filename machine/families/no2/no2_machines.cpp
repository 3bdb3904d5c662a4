// Machines of the No.2 family: No.2 "Vexamira" (with a high mode of bells and grapes) and
// No.7 "Brakolo". Both play their JAC games without the lever.
#include "machine/families/no2/no2_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

namespace {

constexpr CycleRules kNo2FamilyCycle = {
    .soundSingleLinedUp = 0,  // no single bonus
    .soundMedalBet = 704,
    .soundBetToCredit = 709,
    .soundLateLever = 706,
    .soundReelStart = 707,
    .soundReelRest = 708,
    .soundMedalPaid = 709,
    .soundLastMedal = 709,
    .soundCreditFull = 0,
    .pauseOnCreditFull = false,
    .pauseAfterLastMedal = true,
    .newGameRedraw = RedrawBonusLamps,
    .newGameClearsJacStage = false,
    .leverNumbersJacStage = true,
    .slowIntervalInStages = true,
    .digitsRedrawWhileWaiting = true,  // the spin gauge (128) fills
    .creditRedraw = RedrawBigChanceLamp,  // the three displays are the face's bit 32
    .jacPlayWithoutLever = true,
    .payoutEndClearsStage = false,
    .startBonus = StartLinedUpBonus,
};

}  // namespace

const MachineModel kMachineNo2 = {
    .number = 2,
    .modelName = "Vexamira",
    .symbolHeight = 32,
    .strips =
        {
            {1, 2, 7, 6, 5, 8, 0, 1, 2, 7, 6, 5, 8, 0, 6, 2, 7, 6, 5, 8, 0},
            {8, 1, 3, 2, 8, 1, 3, 5, 6, 8, 1, 3, 0, 8, 1, 3, 2, 8, 1, 3, 0},
            {2, 7, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5, 0},
        },
    // The yellow JAC mark counts as a bell, the blue one as grapes; both as Jac in JAC play.
    .ordinaryCode = {0, 1, 2, 3, 4, 5, 6, 3, 4, 9, 10, 11, 12, 13, 14, 15},
    .jacPlayCode = {0, 1, 2, 3, 4, 5, 6, 9, 9, 9, 10, 11, 12, 13, 14, 15},
    .jacSymbol = No2SymbolJac,
    .noRoleSymbol = No2SymbolAny,
    .bigTable = {304, 288, 284, 247, 236, 236},
    .regularTable = {328, 312, 281, 264, 255, 236},
    .highEntryTable = {255, 225, 225, 225, 204, 150},
    .highEndTable = {0, 0, 0, 0, 0, 0},
    .cycle = kNo2FamilyCycle,
    .lotteryDraw = No2LotteryDraw,
    .stopControl = No2StopControl,
    .lineMask = No2LineMask,
    .payout = No2Payout,
};

const MachineModel kMachineNo7 = {
    .number = 7,
    .modelName = "Brakolo",
    .symbolHeight = 32,
    .strips =
        {
            {0, 5, 2, 7, 5, 3, 8, 0, 1, 2, 7, 5, 3, 8, 0, 1, 2, 7, 5, 3, 8},
            {5, 2, 4, 3, 7, 0, 4, 3, 7, 2, 4, 3, 7, 0, 4, 3, 7, 2, 4, 3, 7},
            {0, 2, 6, 8, 3, 5, 6, 8, 3, 5, 6, 8, 3, 5, 6, 8, 3, 5, 6, 8, 3},
        },
    // The yellow JAC mark counts as grapes, the blue one as an apple; both as Jac in JAC play.
    .ordinaryCode = {0, 1, 2, 3, 4, 5, 6, 4, 6, 9, 10, 11, 12, 13, 14, 15},
    .jacPlayCode = {0, 1, 2, 3, 4, 5, 6, 9, 9, 9, 10, 11, 12, 13, 14, 15},
    .jacSymbol = No2SymbolJac,
    .noRoleSymbol = No2SymbolAny,
    .bigTable = {322, 303, 294, 263, 243, 238},
    .regularTable = {270, 256, 244, 232, 222, 208},
    .highEntryTable = {0, 0, 0, 0, 0, 0},
    .highEndTable = {0, 0, 0, 0, 0, 0},
    .cycle = kNo2FamilyCycle,
    .lotteryDraw = No7LotteryDraw,
    .stopControl = No7StopControl,
    .lineMask = No2LineMask,
    .payout = No7Payout,
};
