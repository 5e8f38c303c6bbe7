#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/score_options_dialog.h"

namespace {

using ::testing::ElementsAre;

TEST(ScoreOptionsDialogTest, ABadScoreStoresNothingUntilItIsCorrected) {
  FakeGameHost host;
  TScoreOptions dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Scoring");
  EXPECT_EQ(FieldNamed(dialog, "Score7")->text(), "5");
  EXPECT_EQ(FieldNamed(dialog, "Score12")->text(), "11");

  TypeInto(dialog, "Score3", "4");
  TypeInto(dialog, "Score7", "25");
  ClickOn(dialog, "Misspelled");
  ClickOn(dialog, "OKButton");
  ExpectOneError(host, dialog, "Invalid 7 letter score entered.  Score must be between 1 an 20.");
  EXPECT_EQ(FocusName(dialog), "Score7");
  EXPECT_TRUE(StillOpen(dialog));
  EXPECT_EQ(host.settings.LengthPoints[0], 1);
  EXPECT_EQ(host.settings.LengthPoints[4], 5);
  EXPECT_TRUE(host.settings.WordMisspelled);

  TypeInto(dialog, "Score7", "9x");  // the stray letter is not looked at
  TypeInto(dialog, "Score12", "20");
  ClickOn(dialog, "OKButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.LengthPoints[0], 4);
  EXPECT_EQ(host.settings.LengthPoints[4], 9);
  EXPECT_EQ(host.settings.LengthPoints[9], 20);
  EXPECT_FALSE(host.settings.WordMisspelled);
  EXPECT_TRUE(host.settings.WordNotInPuzzle);
  EXPECT_TRUE(host.settings.WordTooShort);
}

TEST(ScoreOptionsDialogTest, CancelStoresNothing) {
  FakeGameHost host;
  TScoreOptions dialog(host);
  dialog.show();
  TypeInto(dialog, "Score4", "9");
  ClickOn(dialog, "TooShort");
  ClickOn(dialog, "CancelButton");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.settings.LengthPoints[1], 1);
  EXPECT_TRUE(host.settings.WordTooShort);
}

TEST(ScoreOptionsDialogTest, TabVisitsTheScoresThenThePenaltiesInTheirOwnOrder) {
  FakeGameHost host;
  TScoreOptions dialog(host);
  EXPECT_THAT(TabChain(dialog, "Score3"),
              ElementsAre("Score3", "Score4", "Score5", "Score6", "Score7", "Score8", "Score9",
                          "Score10", "Score11", "Score12", "Misspelled", "TooShort", "NotInPuzzle",
                          "OKButton", "CancelButton"));
}

}  // namespace
