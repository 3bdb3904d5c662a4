// The machine record: one pachislot machine as 44 signed 32-bit fields. The hall file stores
// the records exactly as held, so the order and width of every field are part of the file format.
#pragma once

#include <cstddef>
#include <cstdint>

// The one marker value: a stop requested and not yet resolved, a bonus lined up and not yet
// started, or (in soundRequest) "stop the sound now".
constexpr int32_t kMarker = -10000;

constexpr int kReelCount = 3;
constexpr int kStripLength = 21;
constexpr int kMaxCredit = 50;
constexpr int kMaxPayPerGame = 15;
constexpr int kFloorMachines = 16;       // machines 0..15 of a shop's island
constexpr int kPlaceholderMachine = 16;  // the spare record of an unseated player slot

enum Occupant { OccupantFree = 0, OccupantCustomer = 1, OccupantFirstPlayer = 2 };

// Roles won by the lottery and not yet lined up (roleFlags), machine No.1's family.
enum RoleBit {
  RoleBig = 1,
  RoleRegular = 2,
  RoleSingle = 4,
  RoleFruit = 8,
  RoleCherry = 16,
  RoleJac = 32,
};

enum GameState {
  StateIdle = 0,
  StateBetting = 1,
  StateLeverPulled = 2,
  StateReelsStarting = 3,
  StateReelsSpinning = 4,
  StatePayingOut = 5,
  StateGameOver = 6,
};

// Requests to the play panel (redrawFlags); the panel clears them after drawing.
enum RedrawBit {
  RedrawReels = 1,
  RedrawLineLamps = 2,
  RedrawStopLamps = 4,
  RedrawMedalLamp = 8,
  RedrawBonusLamps = 16,
  RedrawBigChanceLamp = 32,
  RedrawWaitLamp = 64,
  RedrawDigits = 128,
};

// Hall notices that concern a player's machine (pendingNotice).
enum PendingNotice { NoticeNone = 0, NoticeOutOfMedals = 2, NoticeClosingTime = 4 };

struct MachineRecord {
  int32_t occupant;        // 0 free, 1 customer, 2..5 player P1..P4
  int32_t autoPlay;        // players only: 0 manual, 1 automatic
  int32_t reserved2;       // no behaviour; keeps its place in the file
  int32_t streakMode;      // lottery's consecutive-bonus mode, 0/1
  int32_t reelRestMark;    // 1 once any reel has come to rest
  int32_t reserved5;       // cleared by every reset
  int32_t pendingNotice;   // PendingNotice; blocks automatic play of a player's machine
  int32_t stopOrder;       // automatic stops: 0 reels 1-2-3, 1 reels 1-3-2
  int32_t bigCountDay[3];  // big bonuses two days ago, yesterday, today
  int32_t reelPos[3];      // reel position in pixels of the strip (symbolHeight per symbol)
  int32_t reelState[3];    // 1 spinning, kMarker stop requested, -n sliding n more, 0 at rest
  int32_t gamesSinceBig;   // games since the last big bonus ended
  int32_t redrawFlags;     // RedrawBit requests for the play panel
  int32_t soundRequest;    // 0 none, a WAVE id to play, kMarker to stop the sound now
  int32_t roleFlags;       // RoleBit roles won and not yet lined up
  int32_t setting;         // 0..5 = setting 1..6: the column of the lottery tables
  int32_t bigStock;        // big bonuses held in stock by the lottery
  int32_t highModeCount;   // single-bonus high mode: 0 off, else games left
  int32_t state;           // GameState
  int32_t spinWait;        // slow ticks since the reels last started, held at 1024
  int32_t stateTimer;      // slow ticks in the current state; negative for a pause
  int32_t litLines;        // line bits that won (or carry a cherry) in the last result
  int32_t targetLine;      // line bit chosen at the first stop for the role pulled in
  int32_t targetSymbol;    // symbol pulled in; the machine's "no role" code when none
  int32_t bet;             // medals bet on the current game
  int32_t bigGames;        // big bonus general games left; kMarker lined up, not paid yet
  int32_t jacWins;         // JAC stage wins left; kMarker lined up, not paid yet
  int32_t singleBonus;     // kMarker from a single bonus line-up until its JAC game ends
  int32_t jacGames;        // JAC games left in the stage
  int32_t payoutPending;   // medals of the last game still to pay
  int32_t bigNet;          // medals paid minus bet since the big bonus started
  int32_t jacStage;        // number of the current or last JAC stage of the bonus
  int32_t paidThisGame;    // medals paid so far for the last game
  int32_t credit;          // 0..50, part of medals
  int32_t boxStacks;       // medals / 1600, for the hall view
  int32_t boxes;           // (medals / 400) mod 4, for the hall view
  int32_t jacSequence;     // reserved; the JAC-stage table sequence on stop-table machines
  int32_t medals;          // everything the occupant holds here, credit included
};

static_assert(sizeof(MachineRecord) == 176, "the hall file stores 176-byte machine records");
static_assert(offsetof(MachineRecord, occupant) == 0 * 4, "field 0");
static_assert(offsetof(MachineRecord, autoPlay) == 1 * 4, "field 1");
static_assert(offsetof(MachineRecord, reserved2) == 2 * 4, "field 2");
static_assert(offsetof(MachineRecord, streakMode) == 3 * 4, "field 3");
static_assert(offsetof(MachineRecord, reelRestMark) == 4 * 4, "field 4");
static_assert(offsetof(MachineRecord, reserved5) == 5 * 4, "field 5");
static_assert(offsetof(MachineRecord, pendingNotice) == 6 * 4, "field 6");
static_assert(offsetof(MachineRecord, stopOrder) == 7 * 4, "field 7");
static_assert(offsetof(MachineRecord, bigCountDay) == 8 * 4, "fields 8..10");
static_assert(offsetof(MachineRecord, reelPos) == 11 * 4, "fields 11..13");
static_assert(offsetof(MachineRecord, reelState) == 14 * 4, "fields 14..16");
static_assert(offsetof(MachineRecord, gamesSinceBig) == 17 * 4, "field 17");
static_assert(offsetof(MachineRecord, redrawFlags) == 18 * 4, "field 18");
static_assert(offsetof(MachineRecord, soundRequest) == 19 * 4, "field 19");
static_assert(offsetof(MachineRecord, roleFlags) == 20 * 4, "field 20");
static_assert(offsetof(MachineRecord, setting) == 21 * 4, "field 21");
static_assert(offsetof(MachineRecord, bigStock) == 22 * 4, "field 22");
static_assert(offsetof(MachineRecord, highModeCount) == 23 * 4, "field 23");
static_assert(offsetof(MachineRecord, state) == 24 * 4, "field 24");
static_assert(offsetof(MachineRecord, spinWait) == 25 * 4, "field 25");
static_assert(offsetof(MachineRecord, stateTimer) == 26 * 4, "field 26");
static_assert(offsetof(MachineRecord, litLines) == 27 * 4, "field 27");
static_assert(offsetof(MachineRecord, targetLine) == 28 * 4, "field 28");
static_assert(offsetof(MachineRecord, targetSymbol) == 29 * 4, "field 29");
static_assert(offsetof(MachineRecord, bet) == 30 * 4, "field 30");
static_assert(offsetof(MachineRecord, bigGames) == 31 * 4, "field 31");
static_assert(offsetof(MachineRecord, jacWins) == 32 * 4, "field 32");
static_assert(offsetof(MachineRecord, singleBonus) == 33 * 4, "field 33");
static_assert(offsetof(MachineRecord, jacGames) == 34 * 4, "field 34");
static_assert(offsetof(MachineRecord, payoutPending) == 35 * 4, "field 35");
static_assert(offsetof(MachineRecord, bigNet) == 36 * 4, "field 36");
static_assert(offsetof(MachineRecord, jacStage) == 37 * 4, "field 37");
static_assert(offsetof(MachineRecord, paidThisGame) == 38 * 4, "field 38");
static_assert(offsetof(MachineRecord, credit) == 39 * 4, "field 39");
static_assert(offsetof(MachineRecord, boxStacks) == 40 * 4, "field 40");
static_assert(offsetof(MachineRecord, boxes) == 41 * 4, "field 41");
static_assert(offsetof(MachineRecord, jacSequence) == 42 * 4, "field 42");
static_assert(offsetof(MachineRecord, medals) == 43 * 4, "field 43");

// Maximum bet of the game in progress: one medal while a JAC stage or single bonus runs.
inline int MaxBet(const MachineRecord& m) { return m.jacWins != 0 ? 1 : 3; }

// Sound requests never overwrite a pending "stop the sound now". Id 0 is "no sound".
inline void RequestSound(MachineRecord& m, int waveId) {
  if (waveId != 0 && m.soundRequest >= 0) m.soundRequest = waveId;
}
inline void RequestSoundStop(MachineRecord& m) { m.soundRequest = kMarker; }
