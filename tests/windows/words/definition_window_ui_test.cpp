// The score dialog and Look Up Word show what a word means in the definition window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/fake_game_host.h"
#include "windows/words/look_up_word.h"
#include "windows/words/show_score.h"
#include "words/definitions/word_definitions.h"

namespace {

class DefinitionWindowTest : public ::testing::Test {
 protected:
  DefinitionWindowTest() {
    host_.platform.onExec = [this](QDialog& dialog) {
      shown_.push_back(dialog.windowTitle() + ": " +
                       dialog.findChild<QPlainTextEdit*>("DefinitionText")->toPlainText());
    };
  }
  static QString Expected(const char* word) {
    return "Definition: " + QString::fromLatin1(WordDefinitions().Describe(word));
  }

  FakeGameHost host_;
  QStringList shown_;
};

TEST_F(DefinitionWindowTest, ADoubleClickOrEnterOnAValidWordOfTheScoreDefinesIt) {
  const std::string letters = "CATXXXSEXXQQQQQQQQQQQQQQQ";
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    host_.board.Letters[cell] = letters[cell - 1];
  host_.board.ComputeCellOnBoard(4, 4);
  host_.guesses = {"CAT", "SEAT", "XQQ"};
  TShowScore score(host_);
  score.show();
  auto* valid = score.findChild<QListWidget*>("ValidWords");
  ASSERT_EQ(valid->count(), 2);
  // A double-click is a click and then a second press and release.
  const QPoint second = valid->visualItemRect(valid->item(1)).center();
  QTest::mouseClick(valid->viewport(), Qt::LeftButton, {}, second);
  QTest::mouseDClick(valid->viewport(), Qt::LeftButton, {}, second);
  EXPECT_THAT(shown_, ::testing::ElementsAre(Expected("SEAT")));
  // Only the valid words are defined.
  auto* notInPuzzle = score.findChild<QListWidget*>("NotInPuzzle");
  const QPoint first = notInPuzzle->visualItemRect(notInPuzzle->item(0)).center();
  QTest::mouseClick(notInPuzzle->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseDClick(notInPuzzle->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(shown_.size(), 1);

  // Enter on a valid word defines it and the score stays; elsewhere Enter is Exit.
  valid->setFocus();
  valid->setCurrentRow(0);
  QTest::keyClick(valid, Qt::Key_Return);
  EXPECT_EQ(shown_.size(), 2);
  EXPECT_EQ(shown_.back(), Expected("CAT"));
  EXPECT_TRUE(score.isVisible());
  QTest::keyClick(notInPuzzle, Qt::Key_Return);
  EXPECT_FALSE(score.isVisible());
}

TEST_F(DefinitionWindowTest, LookUpWordDefinesTheTrimmedEntry) {
  TLookUpWord dialog(host_);
  dialog.show();
  auto* word = dialog.findChild<QLineEdit*>("TheWord");
  auto* define = dialog.findChild<QPushButton*>("DefineButton");
  ASSERT_NE(define, nullptr);
  EXPECT_EQ(define->text(), "&Define");
  word->setText("  geese ");
  define->click();
  EXPECT_THAT(shown_, ::testing::ElementsAre(Expected("geese")));
  EXPECT_EQ(dialog.focusWidget(), word);

  word->setText("   ");
  define->click();
  EXPECT_EQ(shown_.size(), 1);
  ASSERT_EQ(host_.platform.messages.size(), 1u);
  EXPECT_EQ(host_.platform.messages[0].text, "No word entered. Please enter a word.");
}

}  // namespace
