#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "tests/fake_game_host.h"
#include "tests/temp_folder.h"
#include "windows/words/show_score.h"
#include "words/engine/spelling_engine.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

void WriteUserList(const std::string& path, int16_t kind, const std::vector<std::string>& words) {
  const int16_t session = SE_OpenSession();
  const int16_t lexicon = SE_CreateLex(session, path.c_str(), kind, 0x409);
  for (const std::string& word : words) SE_AddToLex(session, lexicon, word.c_str(), "");
  SE_CloseLex(session, lexicon);
  SE_CloseSession(session);
}

class ShowScoreTest : public ::testing::Test {
 protected:
  ShowScoreTest() {
    const std::string letters =
        "CATXX"
        "HOUSE"
        "TENZQ"
        "MMMMM"
        "MMMMM";
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      host_.board.Letters[cell] = letters[cell - 1];
    host_.settings.Height = host_.settings.Width = 5;
    host_.board.ComputeCellOnBoard(5, 5);
  }

  void CopyMainLexicons() {
    for (const char* name : {"SPELAMC.TLX", "SPELAMM.CLX"})
      std::filesystem::copy_file(std::string(TOLVANE_PROGRAM_DIR) + "/" + name, folder_.File(name));
  }

  // Shows the dialog as the main window would, which judges the guesses.
  TShowScore& Show() {
    host_.programDirectory = folder_.Path();
    dialog_ = std::make_unique<TShowScore>(host_);
    dialog_->show();
    return *dialog_;
  }

  QStringList Items(const char* listName) {
    QStringList items;
    auto* list = dialog_->findChild<QListWidget*>(listName);
    for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
    return items;
  }

  QString Label(const char* name) { return dialog_->findChild<QLabel*>(name)->text(); }

  TempFolder folder_;
  FakeGameHost host_;
  std::unique_ptr<TShowScore> dialog_;
};

TEST_F(ShowScoreTest, JudgesTheGuessesAgainstBoardAndDictionaryWithThePlayersLists) {
  CopyMainLexicons();
  host_.platform.userDataDirectory = folder_.Path();
  WriteUserList(folder_.File("EXCLUDE.TLX"), SE_KIND_EXCLUSION, {"TEN"});
  WriteUserList(folder_.File("ADDITION.TLX"), SE_KIND_ADDITION, {"TENZ"});
  host_.guesses = {"HOUSE", "XQZ", "CAT", "AT", "TEN", "HOUS", "CAT (DUP)", "TENZ"};
  Show();

  EXPECT_THAT(Items("ValidWords"), ElementsAre("CAT", "HOUSE", "TENZ"));
  EXPECT_THAT(Items("NotInPuzzle"), ElementsAre("XQZ"));
  EXPECT_THAT(Items("Misspelled"), ElementsAre("HOUS", "TEN"));
  EXPECT_THAT(Items("TooShort"), ElementsAre("AT"));
  EXPECT_EQ(Label("Letter3"), "3 Letter Words: 1");
  EXPECT_EQ(Label("Score3"), "1");
  EXPECT_EQ(Label("Letter4"), "4 Letter Words: 1");
  EXPECT_EQ(Label("Letter5"), "5 Letter Words: 1");
  EXPECT_EQ(Label("Score5"), "2");
  EXPECT_EQ(Label("Letter12"), "Larger Words: 0");
  EXPECT_EQ(Label("NotInPuzzleLabel"), "Words Not In Puzzle: 1");
  EXPECT_EQ(Label("NotInPuzzleScore"), "-1");
  EXPECT_EQ(Label("MisspelledLabel"), "Misspelled Words: 2");
  EXPECT_EQ(Label("MisspelledScore"), "-2");
  EXPECT_EQ(Label("TooShortLabel"), "Words Too Short: 1");
  EXPECT_EQ(Label("TooShortScore"), "-1");
  EXPECT_EQ(Label("FinalScore"), "0");
  EXPECT_THAT(host_.platform.messages, IsEmpty());
  // A screen reader hears the total first, in the dialog's name, and each row's label
  // with its points.
  EXPECT_EQ(dialog_->accessibleName(),
            "Puzzle Score, Total Score 0 points: 3 valid words, 4 penalties");
  EXPECT_EQ(dialog_->findChild<QLabel*>("Letter5")->accessibleName(),
            "5 Letter Words: 1, 2 points");
}

TEST_F(ShowScoreTest, EveryShowingJudgesTheCurrentGuessesAfresh) {
  CopyMainLexicons();
  host_.guesses = {"TEN", "TENZ", "TENET"};
  TShowScore& dialog = Show();
  // Without the player's lists the main lexicon decides; TENET needs an E twice.
  EXPECT_THAT(Items("ValidWords"), ElementsAre("TEN"));
  EXPECT_THAT(Items("Misspelled"), ElementsAre("TENZ"));
  EXPECT_THAT(Items("NotInPuzzle"), ElementsAre("TENET"));

  dialog.hide();
  host_.settings.RepeatingLettersAllowed = true;
  host_.guesses = {"TENET"};
  dialog.show();
  EXPECT_THAT(Items("ValidWords"), ElementsAre("TENET"));
  EXPECT_THAT(Items("Misspelled"), IsEmpty());
  EXPECT_THAT(Items("NotInPuzzle"), IsEmpty());
  EXPECT_EQ(Label("Letter5"), "5 Letter Words: 1");
  EXPECT_EQ(Label("Letter3"), "3 Letter Words: 0");
  EXPECT_EQ(Label("FinalScore"), "2");
}

TEST_F(ShowScoreTest, MissingLexiconIsReportedAndNothingJudged) {
  CopyMainLexicons();
  host_.guesses = {"CAT", "XQZ"};
  TShowScore& dialog = Show();
  ASSERT_EQ(Label("FinalScore"), "0");
  ASSERT_THAT(Items("ValidWords"), ElementsAre("CAT"));

  dialog.hide();
  std::filesystem::remove(folder_.File("SPELAMM.CLX"));
  host_.guesses = {"HOUSE"};
  dialog.show();
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text, "Could not find one of the dictionary files.");
  EXPECT_EQ(host_.platform.messages[0].caption, "Error");
  EXPECT_EQ(host_.platform.messages[0].owner, &dialog);
  for (const char* list : {"ValidWords", "NotInPuzzle", "Misspelled", "TooShort"})
    EXPECT_THAT(Items(list), IsEmpty()) << list;
  // The labels keep what the last judging showed.
  EXPECT_EQ(Label("Letter3"), "3 Letter Words: 1");
  EXPECT_EQ(Label("NotInPuzzleScore"), "-1");
}

TEST_F(ShowScoreTest, IsLaidOutAsDesignedAndClosesWithExit) {
  CopyMainLexicons();
  host_.guesses = {"CAT"};
  TShowScore& dialog = Show();
  EXPECT_EQ(dialog.windowTitle(), "Puzzle Score");
  EXPECT_EQ(dialog.size(), QSize(607, 445));
  EXPECT_EQ(dialog.findChild<QListWidget*>("ValidWords")->geometry(), QRect(8, 36, 153, 401));
  EXPECT_EQ(dialog.findChild<QListWidget*>("TooShort")->geometry(), QRect(172, 364, 153, 73));
  EXPECT_EQ(dialog.findChild<QLabel*>("TooShortScore")->geometry(), QRect(524, 336, 49, 17));
  EXPECT_EQ(dialog.findChild<QLabel*>("Letter12")->geometry(), QRect(356, 264, 153, 17));
  EXPECT_EQ(dialog.findChild<QLabel*>("FinalScore")->font().pixelSize(), 20);
  auto* list = dialog.findChild<QListWidget*>("ValidWords");
  EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 19);

  auto* exit = dialog.findChild<QPushButton*>("OKButton");
  EXPECT_EQ(exit->text(), "E&xit");
  EXPECT_TRUE(exit->isDefault());
  // Tab order: the four lists, then the buttons.
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  list->setFocus();
  for (const char* next :
       {"NotInPuzzle", "Misspelled", "TooShort", "MissedWordsButton", "OKButton"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }

  QTest::mouseClick(exit, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ShowScoreTest, EachShowingScalesTheDesignLayoutToTheWindowSizeInForce) {
  host_.scaleFactor = 1.6;
  host_.screen = QSize(1024, 768);
  TShowScore& dialog = Show();
  EXPECT_EQ(dialog.size(), QSize(971, 712));
  auto* exit = dialog.findChild<QPushButton*>("OKButton");
  EXPECT_EQ(exit->geometry(), QRect(806, 653, 143, 46));
  EXPECT_EQ(exit->font().pixelSize(), 27);  // the dialog's 17 pixels, followed by the button
  EXPECT_EQ(dialog.findChild<QListWidget*>("ValidWords")->geometry(), QRect(13, 58, 245, 641));
  const QRect outer = dialog.frameGeometry();
  EXPECT_EQ(outer.left(), (1024 - outer.width()) / 2);
  EXPECT_EQ(outer.top(), std::max(0, (768 - outer.height()) / 2 - 15));

  dialog.hide();
  host_.scaleFactor = 1.0;
  dialog.show();
  EXPECT_EQ(dialog.size(), QSize(607, 445));
  EXPECT_EQ(exit->geometry(), QRect(504, 408, 89, 29));
  EXPECT_EQ(exit->font().pixelSize(), 17);
}

// The lists' fonts grow with the window; so must their rows, or the words overprint.
TEST_F(ShowScoreTest, ListRowsGrowWithTheWindowAndHoldALineOfTheirFont) {
  CopyMainLexicons();
  host_.guesses = {"CAT", "XQZ", "HOUS", "AT"};
  for (const double factor : {1.0, 1.25, 1.6, 2.0}) {
    SCOPED_TRACE(factor);
    host_.scaleFactor = factor;
    Show();
    for (const char* name : {"ValidWords", "NotInPuzzle", "Misspelled", "TooShort"}) {
      SCOPED_TRACE(name);
      auto* list = dialog_->findChild<QListWidget*>(name);
      ASSERT_EQ(list->count(), 1);
      const int height = list->visualItemRect(list->item(0)).height();
      EXPECT_GE(height, list->fontMetrics().height());
      EXPECT_GE(height, static_cast<int>(19 * factor));
    }
  }
}

}  // namespace
