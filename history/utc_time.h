#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Dates of the game history, always in UTC and written the same way everywhere: the
// calendar of <chrono>, never the C library's locale-dependent calls.

inline constexpr int64_t kSecondsPerDay = 86400;

// The day (days since 1970-01-01) holding the moment `seconds` since 1970-01-01 00:00 UTC.
int64_t DayNumber(int64_t seconds);
// "2026-12-09"
std::string DateText(int64_t dayNumber);
// "2026-12-09 08:31:03"
std::string DateTimeText(int64_t seconds);
// The moment written by DateTimeText; nothing for any other text.
std::optional<int64_t> ReadDateTime(const std::string& text);
// The day written by DateText; nothing for any other text.
std::optional<int64_t> ReadDate(const std::string& text);
