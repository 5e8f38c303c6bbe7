#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/main_win.h"
#include "history/history_row.h"
#include "platform/game_history.h"
#include "tests/app/main_win_fixture.h"
#include "tests/fake_game_host.h"
#include "tests/newest_games.h"
#include "tests/temp_folder.h"
#include "windows/words/definition_window.h"
#include "windows/words/missed_words.h"
#include "windows/words/show_score.h"
#include "words/definitions/word_definitions.h"
#include "words/engine/compiled_lexicon.h"
#include "words/word_commonness.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

QStringList Column(QTreeWidget* list, int column) {
  QStringList texts;
  for (int row = 0; row < list->topLevelItemCount(); ++row)
    texts << list->topLevelItem(row)->text(column);
  return texts;
}

class MissedWordsTest : public ::testing::Test {
 protected:
  MissedWordsTest() {
    // C A T .
    // . S E .      on a 4 x 4 board
    const std::string letters = "CATXXXSEXXQQQQQQQQQQQQQQQ";
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      host_.board.Letters[cell] = letters[cell - 1];
    host_.settings.Height = host_.settings.Width = 4;
    host_.board.ComputeCellOnBoard(4, 4);
    host_.programDirectory = folder_.Path();
  }

  void WriteLexicons() {
    folder_.Write("SPELAMC.TLX", CompiledLexiconBytes({"ase", "at", "caste", "cat", "cats", "eat",
                                                       "scat", "tea", "teas", "zebra"},
                                                      0x409));
    folder_.Write("SPELAMM.CLX", CompiledLexiconBytes({"seat"}, 0x409));
  }

  TShowScore& ShowScore(std::vector<std::string> guesses) {
    host_.guesses = std::move(guesses);
    scoreDialog_ = std::make_unique<TShowScore>(host_);
    scoreDialog_->show();
    return *scoreDialog_;
  }

  TempFolder folder_;
  FakeGameHost host_;
  std::unique_ptr<TShowScore> scoreDialog_;
};

TEST_F(MissedWordsTest, ScoreDialogOffersTheButtonOnlyOnceItHasJudgedTheBoard) {
  TShowScore& score = ShowScore({"CAT"});
  auto* button = score.findChild<QPushButton*>("MissedWordsButton");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "&Missed Words");
  EXPECT_EQ(button->geometry(), QRect(344, 408, 153, 29));
  // No dictionary: nothing was judged.
  EXPECT_FALSE(button->isEnabled());

  WriteLexicons();
  score.hide();
  score.show();
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(score.findChild<QPushButton*>("OKButton")->isDefault());

  score.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&score));
  score.findChild<QWidget*>("TooShort")->setFocus();
  for (const char* next : {"MissedWordsButton", "OKButton"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
}

TEST_F(MissedWordsTest, ListsTheWordsNotFoundAndShowsEachPathOnTheBoardUntilClosed) {
  WriteLexicons();
  TShowScore& score = ShowScore({"SEAT", "CAT", "TACT", "CAT (DUP)"});
  bool shown = false;
  host_.platform.onExec = [&](QDialog& dialog) {
    shown = true;
    EXPECT_EQ(dialog.windowTitle(), "Missed Words");
    EXPECT_EQ(dialog.parentWidget(), &score);
    // Nine words on the board, CASTE worth 2 points and the others 1.
    EXPECT_EQ(dialog.findChild<QLabel*>("FoundLine")->text(),
              "You found 2 of 9 words: 2 of 10 points.");
    auto* list = dialog.findChild<QTreeWidget*>("MissedList");
    EXPECT_THAT(Column(list, 0), ElementsAre("CASTE", "CATS", "SCAT", "TEAS", "ASE", "EAT", "TEA"));
    EXPECT_THAT(Column(list, 1), ElementsAre("2", "1", "1", "1", "1", "1", "1"));

    // The longest word is chosen as the window opens.
    ASSERT_FALSE(host_.shownPaths.empty());
    EXPECT_THAT(host_.shownPaths.back(), ElementsAre(1, 2, 7, 3, 8));
    list->setCurrentItem(list->topLevelItem(2));
    ASSERT_FALSE(host_.shownPaths.empty());
    EXPECT_THAT(host_.shownPaths.back(), ElementsAre(7, 1, 2, 3));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_THAT(host_.shownPaths.back(), ElementsAre(1, 2, 3, 7));
  };
  QTest::mouseClick(score.findChild<QPushButton*>("MissedWordsButton"), Qt::LeftButton);
  ASSERT_TRUE(shown);
  EXPECT_THAT(host_.shownPaths.back(), IsEmpty());
  EXPECT_TRUE(score.isVisible());
}

// The board is searched once for the game's record and every showing of Missed Words; once
// another board is shown in its place, no path is drawn over letters it does not run on.
TEST_F(MissedWordsTest, TheRecordAndMissedWordsShareOneSearchOfTheGamesBoard) {
  WriteLexicons();
  host_.unjudgedGame = true;
  TShowScore& score = ShowScore({"SEAT", "CAT"});
  ASSERT_NE(host_.platform.History(), nullptr);
  const std::vector<int64_t> games = NewestGames(*host_.platform.History());
  ASSERT_EQ(games.size(), 1u);
  EXPECT_EQ(host_.platform.History()->Game(games[0]).PossibleWordCount, 9);
  EXPECT_EQ(host_.boardWords.Searches(), 1);

  size_t missed = 0;
  host_.platform.onExec = [&](QDialog& dialog) {
    missed = static_cast<size_t>(dialog.findChild<QTreeWidget*>("MissedList")->topLevelItemCount());
  };
  auto* button = score.findChild<QPushButton*>("MissedWordsButton");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(missed, 7u);
  EXPECT_FALSE(host_.shownPaths.front().empty());

  host_.gameBoard = PlayedBoard{host_.board, 4, 4};
  host_.board.Letters.fill('Z');
  host_.shownPaths.clear();
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(missed, 7u) << "still the words of the game's board";
  for (const std::vector<int>& path : host_.shownPaths) EXPECT_TRUE(path.empty());
  EXPECT_EQ(host_.boardWords.Searches(), 1);
}

TEST_F(MissedWordsTest, IsScaledAndCentredLikeEveryDialog) {
  WriteLexicons();
  host_.scaleFactor = 1.6;
  host_.screen = QSize(1280, 1024);
  WordMeanings meanings(host_.ProgramDirectory(), PlatformStemmers(host_.Services()));
  TMissedWords dialog(host_, nullptr, MissedWordList{{{"CATS", 1, {1, 2, 3, 7}}}, "Summary"},
                      meanings);
  dialog.show();
  EXPECT_EQ(dialog.size(), QSize(1192, 712));
  EXPECT_EQ(dialog.findChild<QPushButton*>("OKButton")->geometry(), QRect(448, 653, 142, 46));
  const QPoint centre = dialog.frameGeometry().center();
  EXPECT_NEAR(centre.x(), 640, 2);
  EXPECT_NEAR(centre.y(), 512, 2);
}

TEST_F(MissedWordsTest, ADictionaryGoneSinceJudgingIsReportedAndNoWindowShown) {
  WriteLexicons();
  TShowScore& score = ShowScore({"CAT"});
  std::filesystem::remove(folder_.File("SPELAMM.CLX"));
  QTest::mouseClick(score.findChild<QPushButton*>("MissedWordsButton"), Qt::LeftButton);
  EXPECT_THAT(host_.platform.dialogsShown, IsEmpty());
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text, "Could not find one of the dictionary files.");
  EXPECT_EQ(host_.platform.messages[0].owner, &score);
}

TEST_F(MissedWordsTest, ByDefaultCountsTheCommonWordsOnlyAndTheChoiceIsKept) {
  WriteLexicons();
  const auto writeSizes = [&](const char* lexicon, const std::vector<uint8_t>& sizes) {
    const std::string bytes = ReadFileBytes(folder_.File(lexicon));
    const auto parsed = CompiledLexicon::FromBytes(
        reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    folder_.Write(WordSizesFileName(lexicon), WordSizesBytes(sizes, parsed->Checksum()));
  };
  // ase at caste cat cats eat scat tea teas zebra; seat
  writeSizes("SPELAMC.TLX", {60, 10, 55, 10, 20, 10, 50, 10, 35, 40});
  writeSizes("SPELAMM.CLX", {70});
  TShowScore& score = ShowScore({"SEAT", "CAT"});
  bool shown = false;
  host_.platform.onExec = [&](QDialog& dialog) {
    shown = true;
    auto* found = dialog.findChild<QLabel*>("FoundLine");
    auto* list = dialog.findChild<QTreeWidget*>("MissedList");
    auto* commonOnly = dialog.findChild<QCheckBox*>("CommonWordsOnly");
    EXPECT_TRUE(commonOnly->isChecked());
    EXPECT_EQ(found->text(), "You found 1 of 6 common words: 1 of 6 points.");
    EXPECT_THAT(Column(list, 0), ElementsAre("CATS", "SCAT", "TEAS", "EAT", "TEA"));
    EXPECT_THAT(Column(list, 2),
                ElementsAre("common", "less common", "common", "common", "common"));

    QTest::mouseClick(commonOnly, Qt::LeftButton);
    EXPECT_FALSE(host_.settings.CommonWordsOnly);
    EXPECT_EQ(found->text(), "You found 2 of 9 words: 2 of 10 points.");
    // A screen reader's player hears the new count too.
    EXPECT_EQ(host_.platform.alerts, std::vector<QString>{found->text()});
    EXPECT_THAT(Column(list, 0), ElementsAre("CASTE", "CATS", "SCAT", "TEAS", "ASE", "EAT", "TEA"));
    EXPECT_EQ(Column(list, 2)[0], "rare");
    // The list starts again at its longest word, and the board follows.
    EXPECT_THAT(host_.shownPaths.back(), ElementsAre(1, 2, 7, 3, 8));
  };
  QTest::mouseClick(score.findChild<QPushButton*>("MissedWordsButton"), Qt::LeftButton);
  ASSERT_TRUE(shown);

  // Opened again, the window starts with the choice the player made.
  host_.platform.onExec = [&](QDialog& dialog) {
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("CommonWordsOnly")->isChecked());
    EXPECT_EQ(dialog.findChild<QTreeWidget*>("MissedList")->topLevelItemCount(), 7);
  };
  QTest::mouseClick(score.findChild<QPushButton*>("MissedWordsButton"), Qt::LeftButton);
}

TEST_F(MissedWordsTest, ShowsWhatTheChosenWordMeansBesideTheList) {
  WordMeanings meanings(host_.ProgramDirectory(), PlatformStemmers(host_.Services()));
  TMissedWords dialog(
      host_, nullptr, MissedWordList{{{"CATS", 1, {1, 2, 3, 7}}, {"GEESE", 1, {}}}, "Summary"},
      meanings);
  dialog.show();
  auto* pane = dialog.findChild<QPlainTextEdit*>("DefinitionText");
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(pane->isReadOnly());
  EXPECT_EQ(pane->toPlainText(), QString::fromLatin1(WordDefinitions().Describe("CATS")));
  auto* list = dialog.findChild<QTreeWidget*>("MissedList");
  list->setCurrentItem(list->topLevelItem(1));
  EXPECT_EQ(pane->toPlainText(), QString::fromLatin1(WordDefinitions().Describe("GEESE")));
  // A screen reader says the first meaning with the word, as its row's description.
  QAccessibleInterface* row =
      QAccessible::queryAccessibleInterface(list)->tableInterface()->cellAt(1, 0);
  EXPECT_EQ(row->text(QAccessible::Description),
            QString::fromLatin1(FirstMeaning(WordDefinitions().Describe("GEESE"))));
  // The pane has a caret, so its lines can be read one by one with the arrows.
  pane->setFocus();
  pane->moveCursor(QTextCursor::Start);
  QTest::keyClick(pane, Qt::Key_Down);
  EXPECT_EQ(pane->textCursor().blockNumber(), 1);
  // No sizes known: every word is shown and nothing can be left out.
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("CommonWordsOnly")->isEnabled());
}

// The whole road: a game on the main window, its score, and the words it left.
class MissedWordsRoadTest : public MainWinTest {};

TEST_F(MissedWordsRoadTest, AfterAGameTheScoreDialogListsTheWordsLeftOnTheBoard) {
  TMainWin& w = Window();
  Button("Scramble")->click();
  PlaceBoard("CATXXXSEXXQQQQQQQQQQQQQQQ", 4, 4);
  Button("Start")->click();
  Type("cat");
  Type("seat");
  Button("ExitButton")->click();  // "Abort"

  QStringList missed;
  QString summary;
  platform.onExec = [&](QDialog& dialog) {
    if (&dialog == &w.ShowScore()) {
      QTest::mouseClick(dialog.findChild<QPushButton*>("MissedWordsButton"), Qt::LeftButton);
      return;
    }
    summary = dialog.findChild<QLabel*>("FoundLine")->text();
    missed = Column(dialog.findChild<QTreeWidget*>("MissedList"), 0);
  };
  Button("CheckList")->click();
  ASSERT_EQ(platform.dialogsShown.size(), 2u);
  EXPECT_TRUE(summary.startsWith("You found 2 of ")) << summary.toStdString();
  EXPECT_TRUE(missed.contains("CATS"));
  EXPECT_TRUE(missed.contains("EAT"));
  EXPECT_FALSE(missed.contains("CAT"));
  EXPECT_FALSE(missed.contains("SEAT"));
}

}  // namespace
