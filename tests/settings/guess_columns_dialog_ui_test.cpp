#include <gtest/gtest.h>

#include "settings/guess_columns_dialog.h"
#include "tests/settings/option_dialog_driver.h"

namespace {

TEST(GuessColumnsDialogTest, AppliesAGoodCountAtOnceAndRefusesOthers) {
  FakeGameHost host;
  TGuessColumns dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Guess List");
  EXPECT_EQ(FieldNamed(dialog, "NumGuessCol")->text(), "2");
  for (const char* bad : {"0", "4"}) {
    TypeInto(dialog, "NumGuessCol", bad);
    ClickOn(dialog, "OkButton");
    ExpectOneError(host, dialog,
                   "Invalid number of columns specified.  Columns should be between 1 and 3.");
    EXPECT_EQ(FocusName(dialog), "NumGuessCol");
    EXPECT_EQ(host.guessListLookChanged, 0);
  }
  TypeInto(dialog, "NumGuessCol", "1");
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_EQ(host.settings.GuessListColumns, 1);
  EXPECT_EQ(host.guessListLookChanged, 1);
}

}  // namespace
