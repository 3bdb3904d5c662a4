// How long the notice dialog stays up: it counts the NoticeTicks that find it visible since its
// text was last set, and hides itself on the ninth (12.8 to 14.4 seconds after it appeared).
#pragma once

extern int NoticeAge;

// A new text was set: the count starts again.
void NoticeTextSet();
// A NoticeTick arrived. Returns true when the dialog must hide now. A hidden dialog does not count.
bool NoticeTickHides(bool dialogVisible);
