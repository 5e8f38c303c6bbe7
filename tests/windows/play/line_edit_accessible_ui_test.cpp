#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>

#include "windows/play/accessible_factory.h"

namespace {

// Before any box is made, as the game does at start-up: a box's interface is made by
// the first change to it.
class LineEditAccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallAccessibleFactory(); }
};

QAccessibleInterface* Accessible(QLineEdit& box) {
  return QAccessible::queryAccessibleInterface(&box);
}

enum Side { kBefore = -1, kAt = 0, kAfter = 1 };

struct PieceCase {
  const char* text;
  int offset;
  QAccessible::TextBoundaryType boundary;
  Side side;
  const char* expected;
  int start;
  int end;
};

// What a screen reader gets for the pieces of a text: the end of the text (where Qt's own
// answer never came) belongs to the last word, sentence and line, but has no character.
TEST_F(LineEditAccessibleTest, AnswersThePieceAtBeforeAndAfterEveryOffset) {
  const auto word = QAccessible::WordBoundary;
  const auto character = QAccessible::CharBoundary;
  const PieceCase cases[] = {
      {"dogs", 4, word, kAt, "dogs", 0, 4},
      {"dogs", -1, word, kAt, "dogs", 0, 4},
      {"dogs", 4, word, kBefore, "", -1, -1},
      {"dogs", 0, word, kAfter, "", -1, -1},
      {"two words", 9, word, kAt, "words", 4, 9},
      {"two words", 9, word, kBefore, " ", 3, 4},
      {"two words", 3, word, kAt, " ", 3, 4},
      {"two words", 1, word, kAfter, " ", 3, 4},
      {"two words", 4, word, kBefore, " ", 3, 4},
      {"two words ", 10, word, kAt, " ", 9, 10},
      {"two words", 9, character, kAt, "", -1, -1},
      {"two words", 9, character, kBefore, "s", 8, 9},
      {"two words", 0, character, kAfter, "w", 1, 2},
      {"two words", 9, QAccessible::SentenceBoundary, kAt, "two words", 0, 9},
      {"two words", 9, QAccessible::LineBoundary, kAt, "two words", 0, 9},
      {"two words", 2, QAccessible::LineBoundary, kAfter, "", -1, -1},
      {"two words", 10, word, kAt, "", -1, -1},
      {"", 0, word, kAt, "", -1, -1},
  };
  QLineEdit box;
  QAccessibleTextInterface* text = Accessible(box)->textInterface();
  ASSERT_NE(text, nullptr);
  for (const PieceCase& c : cases) {
    box.setText(c.text);
    int start = -9;
    int end = -9;
    const QString got = c.side == kBefore
                            ? text->textBeforeOffset(c.offset, c.boundary, &start, &end)
                        : c.side == kAt ? text->textAtOffset(c.offset, c.boundary, &start, &end)
                                        : text->textAfterOffset(c.offset, c.boundary, &start, &end);
    SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.offset) + " side " +
                 std::to_string(c.side) + " boundary " + std::to_string(c.boundary));
    EXPECT_EQ(got.toStdString(), c.expected);
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(end, c.end);
  }

  // -2 is the caret.
  box.setText("two words");
  box.setCursorPosition(2);
  int start = -9;
  int end = -9;
  EXPECT_EQ(text->textAtOffset(-2, word, &start, &end), "two");

  // The text is one run of no attributes, whatever the offset asked: a screen reader
  // reads the line by its runs, and read "dogs" as "dog" from runs of no length.
  box.setText("dogs");
  for (int offset = 0; offset <= 4; ++offset) {
    EXPECT_EQ(text->attributes(offset, &start, &end), "");
    EXPECT_EQ(std::pair(start, end), std::pair(0, 4)) << offset;
  }
}

// A screen reader's or voice control's edit is the player's own, as if typed: the box's
// limits hold and the game hears of it (the word box forgets the tiles picked).
TEST_F(LineEditAccessibleTest, EditsGoInAsTypingDoes) {
  QLineEdit box;
  box.setMaxLength(6);
  QAccessibleInterface* accessible = Accessible(box);
  QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
  ASSERT_NE(editable, nullptr);
  QSignalSpy edited(&box, &QLineEdit::textEdited);

  editable->insertText(0, "cat");
  editable->replaceText(0, 1, "b");
  editable->insertText(3, "s and more");
  EXPECT_EQ(box.text(), "bats a");
  editable->deleteText(4, 6);
  EXPECT_EQ(box.text(), "bats");
  accessible->setText(QAccessible::Value, "dog");
  EXPECT_EQ(accessible->text(QAccessible::Value), "dog");
  EXPECT_EQ(edited.count(), 5);

  box.setReadOnly(true);
  editable->insertText(0, "x");
  accessible->setText(QAccessible::Value, "x");
  EXPECT_EQ(box.text(), "dog");
  EXPECT_TRUE(accessible->state().readOnly);
}

}  // namespace
