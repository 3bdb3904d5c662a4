// Counting and printing of check results.
#include "games/rescheck/check_log.h"

#include <cstdarg>
#include <cstdio>

namespace {
int checks = 0;
int failures = 0;
}  // namespace

bool Check(bool ok, const char* format, ...) {
  ++checks;
  if (ok) return true;
  ++failures;
  std::va_list args;
  va_start(args, format);
  std::fputs("FAIL ", stdout);
  std::vfprintf(stdout, format, args);
  std::fputc('\n', stdout);
  va_end(args);
  return false;
}

int CheckCount() { return checks; }
int FailureCount() { return failures; }
