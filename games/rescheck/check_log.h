// The resource check's report: every failed check prints what was expected and what was
// found, and the program's exit code is the number of failures.
#pragma once

// Records one check; on failure prints "FAIL <what>" with printf-style details.
bool Check(bool ok, const char* format, ...) __attribute__((format(printf, 2, 3)));

int CheckCount();
int FailureCount();
