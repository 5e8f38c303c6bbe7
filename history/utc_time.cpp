#include "history/utc_time.h"

#include <cstdio>

namespace {

struct CivilDate {
  int64_t Year;
  int Month;
  int Day;
};

// The proleptic Gregorian calendar, counted in 400-year eras.
int64_t DaysFromCivil(CivilDate date) {
  const int64_t year = date.Year - (date.Month <= 2 ? 1 : 0);
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (date.Month + (date.Month > 2 ? -3 : 9)) + 2) / 5 + date.Day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

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

int DaysInMonth(int64_t year, int month) {
  return static_cast<int>(
      DaysFromCivil({month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1}) -
      DaysFromCivil({year, month, 1}));
}

}  // namespace

int64_t DayNumber(int64_t seconds) {
  return seconds >= 0 ? seconds / kSecondsPerDay
                      : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

std::string DateText(int64_t dayNumber) {
  const CivilDate date = CivilFromDays(dayNumber);
  char text[32];
  std::snprintf(text, sizeof text, "%04lld-%02d-%02d", static_cast<long long>(date.Year),
                date.Month, date.Day);
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
  const int year = Number(text, 0, 4);
  const int month = Number(text, 5, 2);
  const int day = Number(text, 8, 2);
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return DaysFromCivil({year, month, day});
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
