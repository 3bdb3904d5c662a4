// The player who stops every reel at the best moment: at each stop the moment whose outcome is
// best once the reels still turning are stopped at their best moments too, judged by the
// machine's own stop control and scoring with the draws the machine is about to make.
#pragma once

#include "machine/machine_model.h"
#include "machine/machine_record.h"

// The worth of a spin's outcome to the player: the medals it pays, and 1000 more when it lines
// up a bonus; a JAC game played without the lever is worth what its stop pays.
constexpr int kBonusWorth = 1000;

// The strip index to have in the top row when the stop of this turning reel is asked for.
// With no role held and no bonus running every moment is as good: -1, press whenever.
int BestPress(const MachineModel& model, const MachineRecord& m, int reel);

// The worth the best moments reach from a spinning machine whose next stop is due, or -1 when
// no reel is left to stop. The random source is left as it was.
int BestWorth(const MachineModel& model, const MachineRecord& m);

// The worth of the spin with the turning reels stopped, in automatic operation's order, with
// these strip indices in their top rows (one a reel still turning); -1 when stop control lets a
// reel run on past its moment. The random source is left as it was.
int WorthOfMoments(const MachineModel& model, const MachineRecord& m, const int* moments);

// Works a machine as automatic operation does, except that each stop is asked for at the best
// moment: the reel is brought to that moment and asked to stop at its next symbol boundary,
// which it reaches within this tick's step.
void OperateAtBestMoments(MachineRecord& m);
