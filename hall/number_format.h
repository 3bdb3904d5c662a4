// Amounts of yen and medals with thousands separators, right-aligned in 11 characters.
#pragma once

constexpr int kGroupedBytes = 12;      // 11 characters and a NUL
constexpr int kGroupedTrimBytes = 16;

// Largest and smallest values shown; anything beyond is shown at the limit.
constexpr int kGroupedMax = 999999999;
constexpr int kGroupedMin = -99999999;

// Writes the value right-aligned in 11 characters ("      1,000") and a NUL into out
// (at least 12 bytes). Returns the number of visible characters. Negative values carry a
// minus sign before the first digit.
int FormatGrouped(int value, char* out);

// The same without the leading blanks ("10,000"); out holds at least 16 bytes.
int FormatGroupedTrim(int value, char* out);
