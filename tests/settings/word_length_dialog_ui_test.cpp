#include <gtest/gtest.h>

#include "settings/word_length_dialog.h"
#include "tests/settings/option_dialog_driver.h"

namespace {

TEST(WordLengthDialogTest, RefusesALengthOutOfRangeAndStoresAGoodOneWithEnter) {
  FakeGameHost host;
  host.settings.MinimumWordLength = 4;
  host.platform.onExec = [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Word Length");
    EXPECT_EQ(FieldNamed(dialog, "MinWordLen")->text(), "4");
    EXPECT_EQ(FieldNamed(dialog, "MinWordLen")->maxLength(), 1);

    for (const char* bad : {"8", "2", "x"}) {
      TypeInto(dialog, "MinWordLen", bad);
      ClickOn(dialog, "OkButton");
      ExpectOneError(host, dialog,
                     "Invalid minimum word length.  Minimum word length should be between 3 "
                     "and 7.");
      EXPECT_EQ(FocusName(dialog), "MinWordLen");
      EXPECT_TRUE(StillOpen(dialog));
      EXPECT_EQ(host.settings.MinimumWordLength, 4);
    }

    TypeInto(dialog, "MinWordLen", "7");
    QTest::keyClick(FieldNamed(dialog, "MinWordLen"), Qt::Key_Return);
    EXPECT_TRUE(Accepted(dialog));
  };
  ShowWordLength(host);
  ASSERT_EQ(host.platform.dialogsShown.size(), 1u);
  EXPECT_EQ(host.settings.MinimumWordLength, 7);
  EXPECT_TRUE(host.platform.messages.empty());
}

TEST(WordLengthDialogTest, ClosingWithoutOkStoresNothing) {
  FakeGameHost host;
  TWordLength dialog(host);
  dialog.show();
  TypeInto(dialog, "MinWordLen", "6");
  dialog.close();
  EXPECT_EQ(host.settings.MinimumWordLength, 3);
}

}  // namespace
