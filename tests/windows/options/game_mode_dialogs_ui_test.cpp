#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include "tests/windows/options/option_dialog_driver.h"
#include "windows/options/game_mode_dialog.h"
#include "windows/options/hints_dialog.h"

namespace {

// Buttons pressed as a click on their caption would: a click in the middle of a wide box
// with a short caption lands beside it.
void Press(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  button->click();
}

// The mode chosen is kept on Ok and the caption told; judging as entered is Classic's own
// choice, offered only with Classic; Cancel keeps everything as it was.
TEST(GameModeDialogTest, OkKeepsTheModeChosenAndCancelNothing) {
  FakeGameHost host;
  {
    TGameModeDialog dialog(host);
    dialog.show();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Mode_classic")->isChecked());
    auto* judge = dialog.findChild<QCheckBox*>("JudgeAsEntered");
    EXPECT_TRUE(judge->isEnabled());
    Press(dialog, "JudgeAsEntered");
    Press(dialog, "Mode_strikeout");
    EXPECT_FALSE(judge->isEnabled()) << "every other mode judges as entered anyway";
    Press(dialog, "OkButton");
    EXPECT_TRUE(Accepted(dialog));
  }
  EXPECT_EQ(host.settings.Mode, GameMode::Strikeout);
  EXPECT_TRUE(host.settings.JudgeAsEntered);
  EXPECT_EQ(host.gameModeChanged, 1);

  TGameModeDialog dialog(host);
  dialog.show();
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("Mode_strikeout")->isChecked());
  Press(dialog, "Mode_unlimited");
  Press(dialog, "CancelButton");
  EXPECT_EQ(host.settings.Mode, GameMode::Strikeout);
  EXPECT_EQ(host.gameModeChanged, 1);
}

TEST(HintsDialogTest, OkKeepsTheHintsChosenAndCancelNothing) {
  FakeGameHost host;
  host.settings.HintBestScore = true;
  {
    THintsDialog dialog(host);
    dialog.show();
    Press(dialog, "HintWordsByLength");
    Press(dialog, "HintBestScore");
    Press(dialog, "OkButton");
  }
  EXPECT_TRUE(host.settings.HintWordsByLength);
  EXPECT_FALSE(host.settings.HintWordsStartingHere);
  EXPECT_FALSE(host.settings.HintBestScore);

  THintsDialog dialog(host);
  dialog.show();
  Press(dialog, "HintWordsStartingHere");
  Press(dialog, "CancelButton");
  EXPECT_FALSE(host.settings.HintWordsStartingHere);
}

}  // namespace
