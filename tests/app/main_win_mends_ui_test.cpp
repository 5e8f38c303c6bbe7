// Faults found at the keyboard, each tried as a player would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>

#include "tests/app/main_win_fixture.h"

namespace {

class MainWinMendsTest : public MainWinTest {
 protected:
  void WriteSettings(const QByteArray& text) {
    QFile file(QString::fromStdString(platform.settingsFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  void PlayAGame() {
    Button("Scramble")->click();
    Button("Start")->click();
  }
};

TEST_F(MainWinMendsTest, SpaceAfterAScrambleScramblesAgainInsteadOfQuitting) {
  Window();
  Button("Scramble")->setFocus();
  QTest::keyClick(Button("Scramble"), Qt::Key_Space);
  EXPECT_EQ(QApplication::focusWidget(), Button("Scramble"));
  const auto first = Window().Board().Letters;
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_NE(Window().Board().Letters, first);
}

TEST_F(MainWinMendsTest, MenuShortcutsReachTheirItemsFromTheWordEntry) {
  Window();
  PlayAGame();
  ASSERT_TRUE(WordEntry()->hasFocus());
  WordEntry()->setText("cat");
  QString shown;
  platform.onExec = [&](QDialog& dialog) { shown = dialog.windowTitle(); };
  QTest::keyClick(WordEntry(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(shown, "About Tolvane 95");
  QTest::keyClick(WordEntry(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(platform.helpShown.size(), 1u);
  EXPECT_EQ(WordEntry()->text(), "cat");
  QTest::keyClick(WordEntry(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(Window().isVisible()) << "Exit works during a game too";
}

TEST_F(MainWinMendsTest, ASecondScrambleShowsCellsNotReachedYetBare) {
  Window();
  Menu("MenuBackBit")->trigger();  // a plain background, to tell bare cells from tiles
  Button("Scramble")->click();
  const QRect lastCell(56 + 3 * 60, 44 + 3 * 60, 60, 60);
  const QColor bare = Surface()->palette().color(QPalette::Window);
  QColor seen;
  platform.clock.onRead = [&] {
    if (seen.isValid()) return;
    // What is on the screen, not a fresh rendering.
    const QImage screen = Window().screen()->grabWindow(Window().winId()).toImage();
    seen = screen.pixelColor(Surface()->mapTo(&Window(), lastCell.center()));
  };
  Button("Scramble")->click();
  platform.clock.onRead = nullptr;
  EXPECT_EQ(seen, bare);
}

TEST_F(MainWinMendsTest, AGuessEnteredByClickingTheListIsSelected) {
  Window();
  PlayAGame();
  Type("cat");
  WordEntry()->setText("dog");
  QTest::mouseClick(GuessList()->viewport(), Qt::LeftButton, {}, QPoint(10, 300));
  ASSERT_EQ(GuessList()->count(), 2);
  EXPECT_EQ(GuessList()->currentRow(), 1);
  ASSERT_EQ(GuessList()->selectedItems().size(), 1);
  EXPECT_EQ(GuessList()->selectedItems()[0]->text(), "DOG");
}

// The cursor a widget shows: its own when set, else its parent's.
Qt::CursorShape ShownCursor(QWidget* widget) {
  while (widget && !widget->testAttribute(Qt::WA_SetCursor)) widget = widget->parentWidget();
  return widget ? widget->cursor().shape() : Qt::ArrowCursor;
}

TEST_F(MainWinMendsTest, TheGridCursorStaysOnTheBoard) {
  Window();
  PlayAGame();
  QTest::mouseMove(Surface(), QPoint(100, 100));
  ASSERT_EQ(Surface()->cursor().shape(), Qt::BitmapCursor);
  for (const char* name : {"Scramble", "Start", "CheckList", "ExitButton"})
    EXPECT_EQ(ShownCursor(Button(name)), Qt::ArrowCursor) << name;
  EXPECT_EQ(ShownCursor(Find<QWidget>("MyGauge")), Qt::ArrowCursor);
  EXPECT_EQ(ShownCursor(WordEntry()), Qt::IBeamCursor);
  EXPECT_EQ(ShownCursor(GuessList()->viewport()), Qt::BitmapCursor) << "as before, during a game";
}

TEST_F(MainWinMendsTest, GuessRowsAreNineteenPixelsInEveryColumnMode) {
  for (const char* columns : {"1", "3"}) {
    SCOPED_TRACE(columns);
    WriteSettings(QByteArray("[Play Options]\nGuess List Columns=") + columns + "\n");
    Window();
    PlayAGame();
    Type("cat");
    Type("dog");
    EXPECT_EQ(GuessList()->visualItemRect(GuessList()->item(1)).height(), 19);
    window->close();
    window.reset();
  }
}

TEST_F(MainWinMendsTest, AHugeColumnCountStillShowsTheGuessesAndIsKept) {
  WriteSettings("[Play Options]\nGuess List Columns=200\n");
  Window();
  PlayAGame();
  Type("cat");
  EXPECT_GE(GuessList()->visualItemRect(GuessList()->item(0)).width(), 181 / 3 - 1);
  Window().close();
  QFile file(QString::fromStdString(platform.settingsFile));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("Guess List Columns=200"));
}

}  // namespace

namespace {

TEST_F(MainWinMendsTest, HelpIsFoundInAProgramFolderWithANonAsciiName) {
  platform.programDirectory = "/opt/prog-j\xc3\xb6rg";  // as the file system holds it
  Window();
  Menu("MenuContents")->trigger();
  ASSERT_EQ(platform.helpShown.size(), 1u);
  EXPECT_EQ(platform.helpShown[0], QString::fromUtf8("/opt/prog-j\xc3\xb6rg/TOLVANE.HLP"));
}

// A large guess font in the largest window: rows as high as a line of it, not 19 pixels.
TEST_F(MainWinMendsTest, GuessRowsHoldALineOfALargeGuessFont) {
  WriteSettings("[Misc]\nWindow Size=1280\n[Word List Font]\nSize=18\n");
  Window();
  PlayAGame();
  Type("cat");
  const int height = GuessList()->visualItemRect(GuessList()->item(0)).height();
  EXPECT_GE(height, GuessList()->fontMetrics().height());
  EXPECT_GE(height, 38);
}

}  // namespace
