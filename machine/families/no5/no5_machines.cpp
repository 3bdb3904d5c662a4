// Machine No.5 "Sulvano": strips with three JAC-marked symbols, tables and its game cycle.
#include "machine/families/no5/no5_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

const MachineModel kMachineNo5 = {
    .number = 5,
    .modelName = "Sulvano",
    .symbolHeight = 32,
    .strips =
        {
            {0, 4, 2, 9, 3, 2, 5, 0, 9, 3, 2, 4, 0, 9, 3, 1, 8, 2, 3, 9, 1},
            {3, 5, 7, 1, 2, 6, 5, 7, 0, 4, 3, 5, 7, 1, 7, 5, 6, 2, 1, 7, 5},
            {3, 6, 2, 8, 3, 6, 2, 8, 0, 3, 6, 2, 8, 0, 3, 6, 8, 3, 1, 6, 8},
        },
    // Cherry, bell and orange with the JAC mark count as themselves, and as Jac in JAC play.
    .ordinaryCode = {0, 1, 2, 3, 4, 5, 6, 4, 5, 6, 10, 11, 12, 13, 14, 15},
    .jacPlayCode = {0, 1, 2, 3, 4, 5, 6, 10, 10, 10, 10, 11, 12, 13, 14, 15},
    .jacSymbol = No5SymbolJac,
    .noRoleSymbol = No5SymbolNone,
    .bigTable = {301, 280, 262, 246, 232, 226},
    .regularTable = {331, 309, 290, 271, 252, 206},
    .highEntryTable = {0, 0, 0, 0, 0, 0},
    .highEndTable = {0, 0, 0, 0, 0, 0},
    // Six sounds only: the bet, the early lever's buzz, the reels starting and resting.
    .cycle =
        {
            .soundSingleLinedUp = 0,
            .soundMedalBet = 703,
            .soundBetToCredit = 0,
            .soundLateLever = 704,
            .soundReelStart = 705,
            .soundReelRest = 706,
            .soundMedalPaid = 0,
            .soundLastMedal = 0,
            .soundCreditFull = 0,
            .pauseOnCreditFull = false,
            .pauseAfterLastMedal = true,
            .newGameRedraw = RedrawBonusLamps,
            .newGameClearsJacStage = false,
            .leverNumbersJacStage = false,
            .slowIntervalInStages = false,
            .digitsRedrawWhileWaiting = false,
            .creditRedraw = RedrawDigits,
            .jacPlayWithoutLever = true,
            .payoutEndClearsStage = true,
            .startBonus = StartLinedUpBonus,
        },
    .lotteryDraw = No5LotteryDraw,
    .stopControl = No5StopControl,
    .lineMask = No5LineMask,
    .payout = No5Payout,
};
