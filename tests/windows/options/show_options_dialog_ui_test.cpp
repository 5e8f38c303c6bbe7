#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/show_options_dialog.h"

namespace {

using ::testing::ElementsAre;

TEST(ShowOptionsDialogTest, ShowsAndStoresTheThreeRules) {
  FakeGameHost host;
  host.settings.RepeatingLettersAllowed = true;
  host.settings.AlternateLetters = false;
  host.settings.HighFrequencyLetters = true;
  TShowOptions dialog(host);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Options");
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("RepeatLetters")->isChecked());
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("AlternateLetters")->isChecked());
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("HighFreqLetters")->isChecked());

  for (const char* box : {"RepeatLetters", "AlternateLetters", "HighFreqLetters"})
    ClickOn(dialog, box);
  ClickOn(dialog, "OkButton");
  EXPECT_TRUE(Accepted(dialog));
  EXPECT_FALSE(host.settings.RepeatingLettersAllowed);
  EXPECT_TRUE(host.settings.AlternateLetters);
  EXPECT_FALSE(host.settings.HighFrequencyLetters);
}

TEST(ShowOptionsDialogTest, TabGoesFromTheFirstRuleToOkBeforeTheOtherTwo) {
  FakeGameHost host;
  TShowOptions dialog(host);
  EXPECT_THAT(TabChain(dialog, "RepeatLetters"),
              ElementsAre("RepeatLetters", "OkButton", "AlternateLetters", "HighFreqLetters"));
}

}  // namespace
