// The hall's outbox: a ring of fixed size, so posting from the tick never allocates.
#include "hall/hall_outbox.h"

int HallPostsDropped = 0;

namespace {
HallPost ring[kHallOutboxCapacity];
int head = 0;   // oldest post
int count = 0;
}  // namespace

void PostHallCommand(int command, int32_t lParam) {
  if (count == kHallOutboxCapacity) {
    ++HallPostsDropped;
    return;
  }
  ring[(head + count) % kHallOutboxCapacity] = HallPost{command, lParam};
  ++count;
}

void PostNotice(int stringId, int machineIndex) {
  PostHallCommand(CmdNotice, MakeLParam(stringId, machineIndex));
}

void PostForcedLeave(int reason) { PostHallCommand(CmdForcedLeave, reason); }

bool TakeHallPost(HallPost& out) {
  if (count == 0) return false;
  out = ring[head];
  head = (head + 1) % kHallOutboxCapacity;
  --count;
  return true;
}

int HallPostsWaiting() { return count; }

void ClearHallOutbox() {
  head = 0;
  count = 0;
  HallPostsDropped = 0;
}
