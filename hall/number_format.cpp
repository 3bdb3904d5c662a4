// Grouping: the value in nine digit places, with "," after the third and sixth place when a
// digit stands there. The field has room for 999,999,999 and for -99,999,999; larger amounts
// are shown at those limits rather than breaking the layout of the dialogs.
#include "hall/number_format.h"

#include <cstdio>

int FormatGrouped(int value, char* out) {
  if (value > kGroupedMax) value = kGroupedMax;
  if (value < kGroupedMin) value = kGroupedMin;
  bool negative = value < 0;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%9u", static_cast<unsigned>(negative ? -value : value));
  const char* c = digits;
  int k = 0;
  for (int i = 0; i < 9; ++i) {
    out[k++] = c[i];
    if (i == 2 || i == 5) out[k++] = c[i] == ' ' ? ' ' : ',';
  }
  out[k] = '\0';
  int blanks = 0;
  while (blanks < 11 && out[blanks] == ' ') ++blanks;
  if (negative) out[--blanks] = '-';  // -99,999,999 still leaves one blank for the sign
  return 11 - blanks;
}

int FormatGroupedTrim(int value, char* out) {
  char scratch[kGroupedBytes];
  int count = FormatGrouped(value, scratch);
  for (int i = 0; i <= count; ++i) out[i] = scratch[11 - count + i];
  return count;
}
