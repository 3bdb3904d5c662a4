// A stand-in for the system's sound service in the tests of the sound dispatch: it records each
// play and stop the dispatch asks for, so a test can compare them with what the game should do.
#pragma once

#include <vector>

namespace recording_player {

struct Call {
  int id, mode;
  bool operator==(const Call& o) const { return id == o.id && mode == o.mode; }
};
using Calls = std::vector<Call>;

// What was asked for since the test last cleared it.
inline Calls calls;
inline void Record(int id, int mode) { calls.push_back({id, mode}); }

}  // namespace recording_player
