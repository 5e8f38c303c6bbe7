#include "history/utc_time.h"

#include <chrono>
#include <cstdio>

namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

bool IsDigits(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

int Number(const std::string& text, size_t from, size_t count) {
  int value = 0;
  for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

}  // namespace

int64_t DayNumber(int64_t seconds) {
  const std::chrono::sys_seconds moment{std::chrono::seconds{seconds}};
  return std::chrono::floor<std::chrono::days>(moment).time_since_epoch().count();
}

std::string DateText(int64_t dayNumber) {
  const year_month_day date{sys_days{std::chrono::days{dayNumber}}};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string DateTimeText(int64_t seconds) {
  const int64_t day = DayNumber(seconds);
  const int64_t inDay = seconds - day * kSecondsPerDay;
  char time[16];
  std::snprintf(time, sizeof time, " %02d:%02d:%02d", static_cast<int>(inDay / 3600),
                static_cast<int>(inDay / 60 % 60), static_cast<int>(inDay % 60));
  return DateText(day) + time;
}

std::optional<int64_t> ReadDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  if (!IsDigits(text, 0, 4) || !IsDigits(text, 5, 2) || !IsDigits(text, 8, 2)) return std::nullopt;
  const year_month_day date{std::chrono::year{Number(text, 0, 4)},
                            std::chrono::month{static_cast<unsigned>(Number(text, 5, 2))},
                            std::chrono::day{static_cast<unsigned>(Number(text, 8, 2))}};
  if (!date.ok()) return std::nullopt;
  return sys_days{date}.time_since_epoch().count();
}

std::optional<int64_t> ReadDateTime(const std::string& text) {
  if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':')
    return std::nullopt;
  const std::optional<int64_t> day = ReadDate(text.substr(0, 10));
  if (!day || !IsDigits(text, 11, 2) || !IsDigits(text, 14, 2) || !IsDigits(text, 17, 2))
    return std::nullopt;
  const int hours = Number(text, 11, 2);
  const int minutes = Number(text, 14, 2);
  const int seconds = Number(text, 17, 2);
  if (hours > 23 || minutes > 59 || seconds > 59) return std::nullopt;
  return *day * kSecondsPerDay + hours * 3600 + minutes * 60 + seconds;
}
