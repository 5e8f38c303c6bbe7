#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "tests/app/main_win_fixture.h"
#include "windows/words/show_score.h"

namespace {

// "QWERTZ" runs along the top row and down, "HOUSE" along the middle row.
const char* kBoard =
    "QWERT"
    "MMMMZ"
    "HOUSE"
    "MMMMM"
    "MMMMM";

class MainWinDictionaryTest : public MainWinTest {
 protected:
  // Chooses a dictionary menu item and, in the dialog it opens, adds `word` and saves.
  void AddToList(const char* menuItem, const QString& word) {
    platform.onExec = [&](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("AddInfo")->setText(word);
      dialog.findChild<QPushButton*>("AddButton")->click();
      dialog.findChild<QPushButton*>("OkButton")->click();
    };
    Window().findChild<QAction*>(menuItem)->trigger();
    platform.onExec = nullptr;
  }

  // Looks `word` up through "&Look Up Word"; the answer shown.
  QString LookUp(const QString& word) {
    platform.messages.clear();
    platform.onExec = [&](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("TheWord")->setText(word);
      dialog.findChild<QPushButton*>("CheckButton")->click();
    };
    Window().findChild<QAction*>("MenuLookUp")->trigger();
    platform.onExec = nullptr;
    return platform.messages.empty() ? QString() : platform.messages.back().text;
  }

  // Plays one game on the board with `guesses`; the score dialog's valid and misspelled
  // words.
  std::pair<QStringList, QStringList> Play(const QStringList& guesses) {
    PlaceBoard(kBoard, 5, 5);
    Button("Start")->click();
    for (const QString& guess : guesses) Type(guess);
    Button("ExitButton")->click();  // "Abort"
    std::pair<QStringList, QStringList> judged;
    platform.onExec = [&](QDialog& dialog) {
      auto items = [&](const char* name) {
        QStringList texts;
        auto* list = dialog.findChild<QListWidget*>(name);
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
        return texts;
      };
      judged = {items("ValidWords"), items("Misspelled")};
      dialog.close();
    };
    Button("CheckList")->click();
    platform.onExec = nullptr;
    return judged;
  }
};

TEST_F(MainWinDictionaryTest, APlayersListsChangeLookUpAndScoringAndOutliveTheProgram) {
  EXPECT_EQ(LookUp("qwertz"), "qwertz NOT FOUND in dictionary.");
  EXPECT_EQ(Play({"qwertz", "house"}), std::make_pair(QStringList{"HOUSE"}, QStringList{"QWERTZ"}));

  AddToList("MenuAddTo", "qwertz");
  EXPECT_EQ(LookUp("qwertz"), "qwertz FOUND in dictionary.");
  EXPECT_EQ(Play({"qwertz", "house"}),
            std::make_pair(QStringList{"HOUSE", "QWERTZ"}, QStringList{}));

  AddToList("MenuExclude", "house");
  EXPECT_EQ(LookUp("house"), "house NOT FOUND in dictionary.");
  EXPECT_EQ(Play({"qwertz", "house"}), std::make_pair(QStringList{"QWERTZ"}, QStringList{"HOUSE"}));

  // The lists are the player's: in the data folder, never beside the program.
  for (const char* name : {"ADDITION.TLX", "EXCLUDE.TLX"}) {
    EXPECT_TRUE(std::filesystem::exists(platform.userDataDirectory + "/" + name));
    EXPECT_FALSE(std::filesystem::exists(std::string(TOLVANE_PROGRAM_DIR) + "/" + name));
  }

  window.reset();  // the program ends and starts again
  EXPECT_EQ(LookUp("qwertz"), "qwertz FOUND in dictionary.");
  EXPECT_EQ(LookUp("house"), "house NOT FOUND in dictionary.");
  EXPECT_EQ(Play({"qwertz", "house"}), std::make_pair(QStringList{"QWERTZ"}, QStringList{"HOUSE"}));
}

}  // namespace
