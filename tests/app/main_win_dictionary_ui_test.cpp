#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "history/board_code.h"
#include "tests/app/main_win_fixture.h"
#include "windows/words/show_score.h"
#include "words/language.h"

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
  std::pair<QStringList, QStringList> Play(const QStringList& guesses, const char* board = kBoard) {
    PlaceBoard(board, 5, 5);
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

// "BÄREN" along the middle row (Ä is 0xC4 on the board, as a puzzle file holds it).
const char* kGermanBoard =
    "QWERT"
    "MMMMZ"
    "B\xC4REN"
    "MMMMM"
    "MMMMM";

// A German game from the menu on: judged, typed, looked up and listed in German, the
// choice kept for the next start, English's lists untouched.
TEST_F(MainWinDictionaryTest, AGameInGermanIsJudgedTypedAndListedInGerman) {
  Menu("MenuLanguage_de")->trigger();
  EXPECT_EQ(Window().windowTitle(), QString("Tolvane 95 ") + QChar(0x2014) + " Deutsch");
  EXPECT_TRUE(Menu("MenuLanguage_de")->isChecked());
  EXPECT_FALSE(Menu("MenuAmerican")->isEnabled());

  EXPECT_EQ(Play({"bären", "BÄR", "baeren", "qwert"}, kGermanBoard),
            std::make_pair(QStringList{"BÄR", "BÄREN"}, QStringList{"QWERT"}));
  EXPECT_EQ(LookUp("Bären"), "Bären FOUND in dictionary.");

  // Typed letters that can be no German tile are refused as they are typed.
  Button("Start")->click();
  WordEntry()->clear();
  for (const QChar typed : QString("b1ä-r")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
    QApplication::sendEvent(WordEntry(), &key);
  }
  EXPECT_EQ(WordEntry()->text(), "bär");
  Button("ExitButton")->click();

  AddToList("MenuExclude", "bär");
  EXPECT_EQ(LookUp("BÄR"), "BÄR NOT FOUND in dictionary.");
  EXPECT_TRUE(std::filesystem::exists(platform.userDataDirectory + "/EXCLUDE-DE.TLX"));
  EXPECT_FALSE(std::filesystem::exists(platform.userDataDirectory + "/EXCLUDE.TLX"));

  Window().close();  // the program ends and starts again
  window.reset();
  EXPECT_TRUE(Menu("MenuLanguage_de")->isChecked());
  Menu("MenuLanguage_en")->trigger();
  EXPECT_EQ(Window().windowTitle(), "Tolvane 95");
  EXPECT_TRUE(Menu("MenuAmerican")->isEnabled());
  EXPECT_EQ(LookUp("house"), "house FOUND in dictionary.");
}

// The score dialog's Define shows a valid German word's English translation, from the
// installed German dictionary, through the language the game is played in.
TEST_F(MainWinDictionaryTest, AValidGermanWordIsDefinedByItsTranslation) {
  Menu("MenuLanguage_de")->trigger();
  PlaceBoard(kGermanBoard, 5, 5);
  Button("Start")->click();
  Type("b\u00e4r");
  Button("ExitButton")->click();  // "Abort"
  QString meaning;
  platform.onExec = [&](QDialog& dialog) {
    if (auto* pane = dialog.findChild<QPlainTextEdit*>("DefinitionText")) {
      meaning = pane->toPlainText();
      return;
    }
    auto* valid = dialog.findChild<QListWidget*>("ValidWords");
    ASSERT_EQ(valid->count(), 1);
    const QPoint word = valid->visualItemRect(valid->item(0)).center();
    QTest::mouseClick(valid->viewport(), Qt::LeftButton, {}, word);
    QTest::mouseDClick(valid->viewport(), Qt::LeftButton, {}, word);
    dialog.close();
  };
  Button("CheckList")->click();
  EXPECT_TRUE(meaning.startsWith(QString::fromUtf8("Spelled B\u00e4r\n\nB\u00e4r (masc, n, sg)\n")))
      << meaning.toStdString();
  EXPECT_TRUE(meaning.contains(". [zool.] bear\n")) << meaning.toStdString();
}

// A language whose dictionary is not installed is refused, naming it, and the game goes
// on in the language it had; a board code of that language changes nothing either.
TEST_F(MainWinDictionaryTest, ALanguageWithoutItsDictionaryIsRefusedAndNothingChanges) {
  for (const char* name : {"SPELAMC.TLX", "SPELAMM.CLX", "SPELBRC.TLX", "SPELBRM.CLX"})
    std::filesystem::copy(std::string(TOLVANE_PROGRAM_DIR) + "/" + name,
                          dir.path().toStdString() + "/" + name);
  platform.programDirectory = dir.path().toStdString();
  Menu("MenuLanguage_sv")->trigger();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Could not find one of the dictionary files. (Svenska)");
  EXPECT_TRUE(Menu("MenuLanguage_en")->isChecked());
  EXPECT_EQ(Window().Settings().LanguageCode, "en");
  EXPECT_EQ(Window().windowTitle(), "Tolvane 95");

  LetterGrid swedish;
  swedish.ComputeCellOnBoard(4, 4);
  for (int cell = 1; cell <= 25; ++cell) swedish.Letters[cell] = '\xC5';  // Å
  platform.textAnswers = {QString::fromStdString(*BoardCode(swedish, 4, 4, *FindLanguage("sv")))};
  PlaceBoard("ABCDEFGHIJKLMNOPQRSTUVWXY", 5, 5);
  const auto before = Window().Board().Letters;
  Menu("MenuPlayCode")->trigger();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(Window().Board().Letters, before);
  EXPECT_EQ(Window().Settings().LanguageCode, "en");
}

// A French player types with or without accents: both are the same word.
TEST_F(MainWinDictionaryTest, FrenchWordsTypedWithoutAccentsAreTheSameWords) {
  Menu("MenuLanguage_fr")->trigger();
  EXPECT_EQ(Play({"eleve", "élève", "rêve", "reve"}, "QWERTMMMMZELEVEMMMMMREVEM"),
            std::make_pair(QStringList{"ELEVE", "REVE"}, QStringList{}));
  EXPECT_EQ(GuessItems(), (QStringList{"ELEVE", "ELEVE (DUP)", "REVE", "REVE (DUP)"}));
}

}  // namespace
