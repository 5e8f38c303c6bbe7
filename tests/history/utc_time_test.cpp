#include "history/utc_time.h"

#include <gtest/gtest.h>

namespace {

TEST(UtcTimeTest, DatesAndTimesReadBackAcrossLeapYearsAndEraEdges) {
  EXPECT_EQ(DateTimeText(0), "1970-01-01 00:00:00");
  EXPECT_EQ(DateTimeText(951782400 + 3661), "2000-02-29 01:01:01");
  EXPECT_EQ(DateTimeText(-1), "1969-12-31 23:59:59");
  for (int64_t day = -800; day < 80000; day += 7) {
    const int64_t moment =
        day * kSecondsPerDay + ((day * 977) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    EXPECT_EQ(ReadDateTime(DateTimeText(moment)), moment) << DateTimeText(moment);
    EXPECT_EQ(ReadDate(DateText(day)), day);
    EXPECT_EQ(DayNumber(moment), day);
  }
  for (const char* text : {"", "2026-02-29", "2024-13-01", "2024-00-10", "2024-1-01", "2026/12/09",
                           "+026-12-09", "2026-12-09 24:00:00", "2026-12-09T08:00:00"})
    EXPECT_FALSE(ReadDate(text) || ReadDateTime(text)) << text;
}

}  // namespace
