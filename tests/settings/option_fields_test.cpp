#include "settings/option_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// The field that failed, or -1 when every field passed.
int FaultyField(const FieldValues& read) { return read.Fault ? read.Fault->Field : -1; }

TEST(OptionFieldsTest, ReadingStopsAtTheFirstBadFieldAndKeepsNoValues) {
  const std::vector<FieldRule> rules = {
      {1, 9, false, "first"}, {1, 9, false, "second"}, {1, 9, false, "third"}};
  const FieldValues read = ReadFields({"5", "0", "x"}, rules);
  ASSERT_TRUE(read.Fault);
  EXPECT_EQ(read.Fault->Field, 1);
  EXPECT_EQ(read.Fault->Message, "second");
  EXPECT_TRUE(read.Values.empty());

  EXPECT_THAT(ReadFields({" 5 ", "+9", "1"}, rules).Values, ElementsAre(5, 9, 1));
}

TEST(OptionFieldsTest, ScoresCountTheNumberBeforeAStrayCharacter) {
  std::vector<std::string> texts(10, "1");
  texts[4] = "7x";
  texts[9] = "20";
  EXPECT_THAT(ReadScoreFields(texts).Values, ElementsAre(1, 1, 1, 1, 7, 1, 1, 1, 1, 20));

  texts[4] = "21";
  FieldValues read = ReadScoreFields(texts);
  EXPECT_EQ(FaultyField(read), 4);
  EXPECT_EQ(read.Fault->Message, "Invalid 7 letter score entered.  Score must be between 1 an 20.");

  texts[4] = "7";
  texts[9] = "";
  read = ReadScoreFields(texts);
  EXPECT_EQ(FaultyField(read), 9);
  EXPECT_EQ(read.Fault->Message, "Larger words score entered.  Score must be between 1 an 20.");

  texts[9] = "-5";
  EXPECT_EQ(FaultyField(ReadScoreFields(texts)), 9);
}

TEST(OptionFieldsTest, TimerWantsWholeNumbersAndSomeTime) {
  EXPECT_THAT(ReadTimerFields({"0", "60"}).Values, ElementsAre(0, 60));
  EXPECT_THAT(ReadTimerFields({" 3 ", "0"}).Values, ElementsAre(3, 0));
  EXPECT_THAT(ReadTimerFields({"99", "1"}).Values, ElementsAre(99, 1));

  const std::string minutes = "Invalid minutes specified.  Please correct.";
  const std::string seconds = "Invalid seconds specified.  Seconds must be between 0 and 60.";
  const std::string noTime = "No time has been entered.  Please correct.";
  struct Case {
    std::vector<std::string> texts;
    int field;
    std::string message;
  };
  for (const Case& bad : std::vector<Case>{
           {{"", "30"}, 0, minutes},
           {{"  ", "30"}, 0, minutes},
           {{"-1", "30"}, 0, minutes},
           {{"2m", "30"}, 0, minutes},
           {{"1", "5x"}, 1, seconds},
           {{"1", "61"}, 1, seconds},
           {{"1", ""}, 1, seconds},
           {{"1", "-1"}, 1, seconds},
           {{"0", "0"}, 0, noTime},
           {{"00", "-0"}, 0, noTime},
       }) {
    SCOPED_TRACE(bad.texts[0] + "|" + bad.texts[1]);
    const FieldValues read = ReadTimerFields(bad.texts);
    EXPECT_EQ(FaultyField(read), bad.field);
    if (read.Fault) {
      EXPECT_EQ(read.Fault->Message, bad.message);
    }
    EXPECT_TRUE(read.Values.empty());
  }
}

TEST(OptionFieldsTest, SingleDigitFieldsKeepToTheirRanges) {
  EXPECT_EQ(FaultyField(ReadWordLengthFields({"3"})), -1);
  EXPECT_EQ(FaultyField(ReadWordLengthFields({"7"})), -1);
  for (const char* bad : {"2", "8", "x", ""})
    EXPECT_EQ(FaultyField(ReadWordLengthFields({bad})), 0);
  EXPECT_EQ(ReadWordLengthFields({"8"}).Fault->Message,
            "Invalid minimum word length.  Minimum word length should be between 3 and 7.");

  EXPECT_THAT(ReadDimensionFields({"5", "4"}).Values, ElementsAre(5, 4));
  EXPECT_EQ(FaultyField(ReadDimensionFields({"3", "6"})), 0);
  const FieldValues height = ReadDimensionFields({"4", "6"});
  EXPECT_EQ(FaultyField(height), 1);
  EXPECT_EQ(height.Fault->Message,
            "Invalid height specified.  Height must be 4 or 5.  Please correct.");

  for (const char* good : {"1", "2", "3"})
    EXPECT_EQ(FaultyField(ReadGuessColumnFields({good})), -1);
  for (const char* bad : {"0", "4"}) EXPECT_EQ(FaultyField(ReadGuessColumnFields({bad})), 0);
}

}  // namespace
