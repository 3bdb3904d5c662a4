// Machine No.1, "Orlido 2": its reel strips, symbol translation, lottery tables and sounds.
#include "machine/families/no1/no1_family.h"
#include "machine/game_cycle.h"
#include "machine/machine_catalog.h"

const MachineModel kMachineNo1 = {
    1,
    "Orlido 2",
    36,
    {
        {0, 4, 8, 1, 2, 0, 7, 1, 3, 8, 0, 2, 1, 7, 0, 1, 3, 8, 0, 1, 7},
        {0, 5, 8, 4, 3, 5, 8, 4, 3, 5, 8, 2, 1, 5, 8, 4, 3, 5, 8, 4, 3},
        {0, 6, 4, 7, 3, 6, 4, 7, 3, 6, 2, 7, 1, 6, 4, 7, 3, 6, 4, 7, 3},
    },
    // FruitAJac and FruitBJac count as the fruits in ordinary play and as Jac in JAC play.
    {0, 1, 2, 3, 4, 5, 6, 5, 6, 9, 10, 11, 12, 13, 14, 15},
    {0, 1, 2, 3, 4, 5, 6, 9, 9, 9, 10, 11, 12, 13, 14, 15},
    SymbolJac,
    SymbolAny,
    {362, 341, 313, 297, 273, 238},       // big bonus
    {409, 407, 407, 407, 407, 300},       // regular bonus
    {3641, 3227, 2731, 1638, 1074, 950},  // enter the single-bonus high mode
    {218, 218, 299, 299, 299, 299},       // leave the high mode, per game
    {
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
        .jacPlayWithoutLever = false,
        .payoutEndClearsStage = false,
        .startBonus = StartLinedUpBonus,
    },
    No1LotteryDraw,
    No1StopControl,
    No1LineMask,
    No1Payout,
};
