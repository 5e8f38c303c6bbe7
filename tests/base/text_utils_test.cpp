#include "base/text_utils.h"

#include <gtest/gtest.h>

#include <string>

TEST(FormatNumber, PutsSeparatorsBetweenGroupsOfThree) {
  EXPECT_EQ(FormatNumber(0, 1, 0), "0");
  EXPECT_EQ(FormatNumber(100, 1, 0), "100");
  EXPECT_EQ(FormatNumber(999, 1, 0), "999");
  EXPECT_EQ(FormatNumber(1000, 1, 0), "1,000");
  EXPECT_EQ(FormatNumber(1234, 1, 0), "1,234");
  EXPECT_EQ(FormatNumber(1234567, 1, 0), "1,234,567");
  EXPECT_EQ(FormatNumber(123456789, 1, 0), "123,456,789");
}

TEST(FormatNumber, KeepsTheMinusSignAgainstTheDigits) {
  EXPECT_EQ(FormatNumber(-100, 1, 0), "-100");
  EXPECT_EQ(FormatNumber(-123, 1, 0), "-123");
  EXPECT_EQ(FormatNumber(-1000, 1, 0), "-1,000");
  EXPECT_EQ(FormatNumber(-1234, 1, 0), "-1,234");
  EXPECT_EQ(FormatNumber(-123456, 1, 0), "-123,456");
}

TEST(FormatNumber, DecimalsAndWidth) {
  EXPECT_EQ(FormatNumber(1234, 6, 0), " 1,234");
  EXPECT_EQ(FormatNumber(1234.5, 1, 1), "1,234.5");
  EXPECT_EQ(FormatNumber(1234567.25, 1, 2), "1,234,567.25");
  EXPECT_EQ(FormatNumber(999.96, 1, 1), "1,000.0");
  EXPECT_EQ(FormatNumber(12.5, 8, 2), "   12.50");
}

TEST(FormatPadded, HasNoSeparators) {
  EXPECT_EQ(FormatPadded(16, 1, 0), "16");
  EXPECT_EQ(FormatPadded(1234, 1, 0), "1234");
  EXPECT_EQ(FormatPadded(-5, 1, 0), "-5");
  EXPECT_EQ(FormatPadded(7, 4, 1), " 7.0");
}

TEST(PadLeft, PadsOnlyShorterTexts) {
  EXPECT_EQ(PadLeft("ab", 5), "   ab");
  EXPECT_EQ(PadLeft("abcdef", 3), "abcdef");
  EXPECT_EQ(PadLeft("", 0), "");
}

TEST(ReadInteger, WholeNumbers) {
  struct Case {
    std::string text;
    int32_t value;
  } cases[] = {{"42", 42},
               {"-7", -7},
               {"+9", 9},
               {"  15", 15},
               {"$1F", 31},
               {"$ff", 255},
               {"0", 0},
               {"2147483647", 2147483647},
               {"-2147483648", -2147483647 - 1},
               {"$7FFFFFFF", 2147483647}};
  for (const auto& c : cases) {
    const auto result = ReadInteger(c.text);
    EXPECT_EQ(result.Value, c.value) << c.text;
    EXPECT_EQ(result.ErrorPosition, 0) << c.text;
  }
}

TEST(ReadInteger, StopsAtTheFirstUnusableCharacter) {
  struct Case {
    std::string text;
    int32_t value;
    int position;
  } cases[] = {{"12ab", 12, 3}, {"-12ab", 12, 4}, {"", 0, 1},   {"abc", 0, 1},
               {"-", 0, 2},     {"$", 0, 2},      {"5x", 5, 2}, {"42 ", 42, 3},
               {"1 2", 1, 2},   {"-$5", 0, 2},    {"$G", 0, 2}, {"   ", 0, 4}};
  for (const auto& c : cases) {
    const auto result = ReadInteger(c.text);
    EXPECT_EQ(result.Value, c.value) << c.text;
    EXPECT_EQ(result.ErrorPosition, c.position) << c.text;
  }
}

TEST(ReadInteger, RefusesValuesBeyond32Bits) {
  EXPECT_NE(ReadInteger("2147483648").ErrorPosition, 0);
  EXPECT_NE(ReadInteger("-2147483649").ErrorPosition, 0);
  EXPECT_NE(ReadInteger("$80000000").ErrorPosition, 0);
  EXPECT_NE(ReadInteger("99999999999999999999999").ErrorPosition, 0);
  EXPECT_EQ(ReadInteger("2147483648").ErrorPosition, 10);
}

TEST(TrimBlanks, RemovesOuterBlanksOnly) {
  EXPECT_EQ(TrimBlanks("  two words  "), "two words");
  EXPECT_EQ(TrimBlanks("    "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\tword\t"), "\tword\t");
}

TEST(UpperCopy, CapitalisesPlainLettersAndStopsAtNul) {
  EXPECT_EQ(UpperCopy("no", 255), "NO");
  EXPECT_EQ(UpperCopy("Yes", 255), "YES");
  EXPECT_EQ(UpperCopy("a\xe9z1", 255), "A\xe9Z1");
  EXPECT_EQ(UpperCopy(std::string("ab\0cd", 5), 255), "AB");
  EXPECT_EQ(UpperCopy("abcdef", 3), "ABC");
  EXPECT_EQ(UpperCopy(std::string(300, 'q'), 1000), std::string(255, 'Q'));
}

TEST(IsYes, ExactlyYes) {
  EXPECT_TRUE(IsYes("YES"));
  EXPECT_FALSE(IsYes("Yes"));
  EXPECT_FALSE(IsYes(" YES"));
  EXPECT_FALSE(IsYes("YES "));
  EXPECT_FALSE(IsYes(UpperCopy("no", 255)));
  EXPECT_FALSE(IsYes("Y"));
}

TEST(Utf8FromLatin1, WritesEachByteAboveAsciiAsTwo) {
  EXPECT_EQ(Utf8FromLatin1("CAT"), "CAT");
  EXPECT_EQ(Utf8FromLatin1("\xC4PFEL \xA0\xFF"), "\xC3\x84PFEL \xC2\xA0\xC3\xBF");
}
