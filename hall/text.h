// Texts by string id into two fixed buffers (0 for a caption, 1 for a message), so that a
// caption and a message can be used together without allocating.
#pragma once

constexpr int kTextBufferBytes = 128;

// Loads string id of this game into buffer 0 or 1 (at most 127 bytes and a NUL; a missing id
// gives an empty text) and returns the buffer. Valid until the next load into the same buffer.
const char* LoadText(int buffer, int id);
