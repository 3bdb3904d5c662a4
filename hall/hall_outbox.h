// What the hall tells the shell: the notice and the forced leave, queued in a small fixed
// outbox that the window layer drains into posted commands after every hall tick.
#pragma once

#include <cstdint>

#include "games/common/resource_ids.h"

// Command identifiers of the two commands the hall posts to the main window.
constexpr int CmdNotice = ID_CMD_NOTICE;       // lParam: MAKELPARAM(string id, machine index)
constexpr int CmdForcedLeave = ID_CMD_FORCED_LEAVE;  // lParam: the reason (4, closing time)

// Reason of a forced leave at closing time.
constexpr int kLeaveReasonClosing = 4;

struct HallPost {
  int32_t command;  // CmdNotice or CmdForcedLeave
  int32_t lParam;
};

// Room for more than one tick's posts of both shops; a post that finds the outbox full is
// dropped, as a post to a full message queue would be.
constexpr int kHallOutboxCapacity = 64;

// MAKELPARAM: low word and high word.
inline int32_t MakeLParam(int low, int high) {
  return static_cast<int32_t>((static_cast<uint32_t>(low) & 0xFFFFu) |
                              ((static_cast<uint32_t>(high) & 0xFFFFu) << 16));
}
inline int LowWord(int32_t lParam) { return static_cast<int>(static_cast<uint32_t>(lParam) & 0xFFFFu); }
inline int HighWord(int32_t lParam) { return static_cast<int>(static_cast<uint32_t>(lParam) >> 16); }

void PostHallCommand(int command, int32_t lParam);
void PostNotice(int stringId, int machineIndex);
void PostForcedLeave(int reason);

// Takes the oldest post; false when the outbox is empty.
bool TakeHallPost(HallPost& out);
int HallPostsWaiting();
void ClearHallOutbox();

// Posts lost because the outbox was full (since the last ClearHallOutbox).
extern int HallPostsDropped;
