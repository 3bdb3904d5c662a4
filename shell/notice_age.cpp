// Aging of the notice dialog, kept apart from the dialog window so the rule can be tested.
#include "shell/notice_age.h"

int NoticeAge = 0;

void NoticeTextSet() { NoticeAge = 0; }

bool NoticeTickHides(bool dialogVisible) {
  if (!dialogVisible) return false;
  int old = NoticeAge;
  NoticeAge = old + 1;
  return old >= 8;
}
