// The machine itself: the four operations of its controls and its per-tick step (reels, stops,
// scoring, pay-out, bonus starts). Operations that do not apply in the current state do nothing.
#pragma once

#include "machine/machine_record.h"

// A medal from the tray: starts a game when idle, then bets it or credits it.
void MedalIn(MachineRecord& m);
// The bet button: bets one credited medal.
void BetFromCredit(MachineRecord& m);
// The start lever: draws the lottery and asks the reels to start.
void StartLever(MachineRecord& m);
// A stop button, reel 0..2: one stop request at a time, only while the reels spin.
void StopReel(MachineRecord& m, int reel);

// Once per tick for every floor machine of both shops.
void MachineTick(MachineRecord& m);

// The bonus starts of machine No.1's family: a single bonus, a JAC stage, a big bonus.
void StartLinedUpBonus(MachineRecord& m);

// Slow ticks the reels must wait after the previous start before they start again.
constexpr int kMinimumSpinInterval = 24;
// Slow ticks after which a spinning reel is stopped automatically.
constexpr int kAutomaticStopDelay = 480;
// A big bonus ends at the end of a JAC stage once it has paid more than this net.
constexpr int kBigBonusNetLimit = 280;
