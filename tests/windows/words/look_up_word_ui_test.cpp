#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "tests/fake_game_host.h"
#include "tests/temp_folder.h"
#include "windows/words/look_up_word.h"
#include "words/engine/spelling_engine.h"
#include "words/user_word_list.h"

namespace {

class LookUpWordTest : public ::testing::Test {
 protected:
  TLookUpWord& Show() {
    dialog_ = std::make_unique<TLookUpWord>(host_);
    dialog_->show();
    return *dialog_;
  }

  // Types `text` into the entry box and presses "&Check Word"; the answer shown, if any.
  QString Check(const QString& text) {
    dialog_->findChild<QLineEdit*>("TheWord")->setText(text);
    host_.platform.messages.clear();
    dialog_->findChild<QPushButton*>("CheckButton")->click();
    if (host_.platform.messages.empty()) return {};
    EXPECT_EQ(host_.platform.messages.size(), 1u);
    EXPECT_EQ(host_.platform.messages.back().owner, dialog_.get());
    return host_.platform.messages.back().caption + ": " + host_.platform.messages.back().text;
  }

  void WriteList(const char* name, int16_t kind, const std::vector<std::string>& words) {
    ASSERT_TRUE(WriteUserWordList(host_.platform.userDataDirectory + "/" + name, kind, words));
  }

  FakeGameHost host_;
  std::unique_ptr<TLookUpWord> dialog_;
};

TEST_F(LookUpWordTest, AnswersForTheTrimmedWordInTheCaseTyped) {
  Show();
  EXPECT_EQ(Check("  House  "), "Result: House FOUND in dictionary.");
  EXPECT_EQ(Check("hous"), "Result: hous NOT FOUND in dictionary.");
  auto* word = dialog_->findChild<QLineEdit*>("TheWord");
  EXPECT_EQ(word->text(), "hous") << "kept so the player can correct it";
  EXPECT_EQ(dialog_->focusWidget(), word);
  EXPECT_TRUE(dialog_->isVisible());

  // Enter presses the default button.
  word->setText("cat");
  QTest::keyClick(word, Qt::Key_Return);
  ASSERT_FALSE(host_.platform.messages.empty());
  EXPECT_EQ(host_.platform.messages.back().text, "cat FOUND in dictionary.");
}

TEST_F(LookUpWordTest, AnEmptyEntryAsksForAWordBeforeAnyDictionaryIsOpened) {
  TempFolder noLexicons;
  host_.programDirectory = noLexicons.Path();
  Show();
  EXPECT_EQ(Check(""), "Error: No word entered. Please enter a word.");
  EXPECT_EQ(Check("    "), "Error: No word entered. Please enter a word.");
  EXPECT_EQ(dialog_->focusWidget(), dialog_->findChild<QLineEdit*>("TheWord"));

  // With a word, the missing lexicons are reported and no answer is given.
  EXPECT_EQ(Check("cat"), "Error: Could not find one of the dictionary files.");
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(LookUpWordTest, ThePlayersListsDecideAndEveryCheckReadsThemAfresh) {
  Show();
  EXPECT_EQ(Check("qwertz"), "Result: qwertz NOT FOUND in dictionary.");
  EXPECT_EQ(Check("house"), "Result: house FOUND in dictionary.");

  // Saved while the dialog is open: the next check sees them.
  WriteList(kAdditionListFile, SE_KIND_ADDITION, {"qwertz"});
  WriteList(kExclusionListFile, SE_KIND_EXCLUSION, {"HOUSE"});
  EXPECT_EQ(Check("QwertZ"), "Result: QwertZ FOUND in dictionary.");
  EXPECT_EQ(Check("house"), "Result: house NOT FOUND in dictionary.");

  host_.settings.AmericanDictionary = false;
  EXPECT_EQ(Check("colour"), "Result: colour FOUND in dictionary.");
  host_.settings.AmericanDictionary = true;
  EXPECT_EQ(Check("colour"), "Result: colour NOT FOUND in dictionary.");
}

TEST_F(LookUpWordTest, AWordBeyondSingleByteTextIsRefusedNotTurnedIntoQuestionMarks) {
  Show();
  WriteList(kAdditionListFile, SE_KIND_ADDITION, {"?mega"});
  for (const QString& typed : {QString::fromUtf8("Ωmega"), QString::fromUtf8("日本")}) {
    EXPECT_EQ(Check(typed), "Error: The word contains a character the dictionary cannot hold.");
    EXPECT_EQ(dialog_->findChild<QLineEdit*>("TheWord")->text(), typed);
  }
  EXPECT_EQ(Check(QString::fromUtf8("café")),
            QString::fromUtf8("Result: café NOT FOUND in dictionary."));
}

}  // namespace
