#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <map>

#include "tests/app/main_win_fixture.h"
#include "windows/play/board_tiles.h"
#include "windows/play/play_facts.h"

namespace {

const char* const kBoard = kWordyBoard;

class MainWinModesTest : public MainWinTest {
 protected:
  // Chooses `code` in the Game Mode dialog and presses Ok.
  void ChooseMode(const QString& code) {
    platform.onExec = [&](QDialog& dialog) {
      dialog.findChild<QRadioButton*>("Mode_" + code)->click();
      dialog.findChild<QPushButton*>("OkButton")->click();
    };
    Menu("MenuGameMode")->trigger();
    platform.onExec = nullptr;
    // The dialog shown took the window's activation; the keys go to the window again.
    Window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
  }

  // What a screen reader reads for the list's row `row`.
  static QString SpokenRow(QWidget* list, int row) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
    return view->child(row)->text(QAccessible::Name);
  }
  QStringList SpokenFacts() {
    QStringList lines;
    auto* facts = Find<TPlayFacts>("PlayFacts");
    for (int row = 0; row < facts->count(); ++row) lines << SpokenRow(facts, row);
    return lines;
  }
  // The number of words still to find that start on the tile at row 1, column 1 (the C).
  int WordsStartingOnTheC() {
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(Find<TBoardTiles>("BoardTiles"));
    const QString name = table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name);
    const QRegularExpressionMatch match =
        QRegularExpression("^C, row 1, column 1, (\\d+) words? starts? here$").match(name);
    EXPECT_TRUE(match.hasMatch()) << name.toStdString();
    return match.captured(1).toInt();
  }
  void KeyIn(const char* word) {
    QTest::keyClicks(WordEntry(), word);
    QTest::keyClick(WordEntry(), Qt::Key_Return);
    QCoreApplication::processEvents();  // the guess is said once the key is handled
  }
};

// A game of Refill played at the keyboard, as a screen reader follows it: every guess is
// judged as it is entered and read with its verdict, each word found fills the clock up
// to 30 seconds again and says so, and the hints shrink as words are found.
TEST_F(MainWinModesTest, AKeyboardGameOfRefillIsJudgedAndSpokenAsItGoes) {
  ChooseMode("refill");
  EXPECT_EQ(Window().windowTitle(), QString::fromUtf8("Tolvane 95 \u2014 Refill"));
  Window().Settings().LanguageCode = "de";
  Window().LanguageChanged();
  EXPECT_EQ(Window().windowTitle(), QString::fromUtf8("Tolvane 95 \u2014 Deutsch, Refill"));
  Window().Settings().LanguageCode = "en";
  Window().LanguageChanged();
  Window().Settings().HintWordsStartingHere = true;
  Window().Settings().TimeUpNotification = 2;
  PlaceBoard(kBoard, 4, 4);
  Button("Start")->click();
  ASSERT_TRUE(GameRunning());
  const int startingOnC = WordsStartingOnTheC();
  EXPECT_GE(startingOnC, 2) << "CAT and CATS at least";

  Tick(25);
  KeyIn("cat");
  EXPECT_EQ(platform.alerts.back(), "CAT, 1 point, plus 25 seconds");
  EXPECT_EQ(WordsStartingOnTheC(), startingOnC - 1);
  KeyIn("xqz");
  KeyIn("hou");
  KeyIn("at");
  KeyIn("cat");
  Tick(10);
  KeyIn(" house ");
  EXPECT_EQ(platform.alerts.back(), "HOUSE, 2 points, plus 10 seconds");
  EXPECT_EQ(GuessItems(), (QStringList{"CAT  +1", "XQZ  not on board", "HOU  not a word",
                                       "AT  too short", "CAT  repeat", "HOUSE  +2"}));
  const QStringList spoken = {"CAT, 1 point",  "XQZ, not on board", "HOU, not a word",
                              "AT, too short", "CAT, repeat",       "HOUSE, 2 points"};
  for (int row = 0; row < GuessList()->count(); ++row)
    EXPECT_EQ(SpokenRow(GuessList(), row), spoken[row]);
  // The default penalties cost one point for each of the three bad guesses.
  EXPECT_EQ(SpokenFacts(), (QStringList{"Score: 0 points", "Time left: 30 seconds"}));
  // The facts are read after the guesses, in the playing order of Tab.
  WordEntry()->setFocus();
  QStringList tabbed;
  for (int press = 0; press < 5; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    tabbed << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(tabbed,
            (QStringList{"BoardTiles", "GuessList", "PlayFacts", "ExitButton", "WordEntry"}));
  tabbed.clear();
  for (int press = 0; press < 5; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    tabbed << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(tabbed,
            (QStringList{"ExitButton", "PlayFacts", "GuessList", "BoardTiles", "WordEntry"}));

  Tick(29);
  EXPECT_TRUE(GameRunning());
  Tick();
  EXPECT_FALSE(GameRunning());
  EXPECT_EQ(platform.alerts.back(), "Time is up.");
  EXPECT_EQ(platform.messages.back().text, "Time is up.");
  ASSERT_TRUE(Button("CheckList")->isEnabled());

  // Check List's sheet says what the player was told guess by guess.
  std::map<QString, QStringList> sheet;
  platform.onExec = [&](QDialog& dialog) {
    for (const char* name : {"ValidWords", "NotInPuzzle", "Misspelled", "TooShort"}) {
      auto* list = dialog.findChild<QListWidget*>(name);
      for (int row = 0; row < list->count(); ++row) sheet[name] << list->item(row)->text();
    }
    dialog.hide();
  };
  Button("CheckList")->click();
  EXPECT_EQ(sheet["ValidWords"], (QStringList{"CAT", "HOUSE"}));
  EXPECT_EQ(sheet["NotInPuzzle"], QStringList{"XQZ"});
  EXPECT_EQ(sheet["Misspelled"], QStringList{"HOU"});
  EXPECT_EQ(sheet["TooShort"], QStringList{"AT"});
}

// A mode's rule ends a game as the clock does: stopped, Check List offered, and told by
// the chime set; a board with nothing to find says so whatever the chime.
TEST_F(MainWinModesTest, AModesRuleEndsTheGameAsTheClockDoes) {
  struct Case {
    GameMode Mode;
    const char* Board;
    QStringList Guesses;
    QString Told;
  };
  const Case cases[] = {
      {GameMode::Strikeout, kBoard, {"xqz", "cat", "hou", "at"}, "Strike 3: the game is over."},
      {GameMode::Allotment, kBoard, QStringList(30, "cat"), "That was guess 30: the game is over."},
      {GameMode::Unlimited,
       "QQQQ QQQQ QQQQ QQQQ      ",
       {},
       "There is no word to find on this board."},
  };
  Window().Settings().TimeUpNotification = 1;  // the chime alone
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Told.toStdString());
    platform.messages.clear();
    Window().Settings().Mode = c.Mode;
    PlaceBoard(c.Board, 4, 4);
    Button("Start")->click();
    for (const QString& guess : c.Guesses) KeyIn(guess.toLatin1().constData());
    EXPECT_FALSE(GameRunning());
    EXPECT_EQ(GuessList()->count(), c.Guesses.size());
    EXPECT_TRUE(Button("CheckList")->isEnabled());
    EXPECT_EQ(platform.alerts.back(), c.Told);
    EXPECT_EQ(platform.sound.played.back(), "wait:TIMEUP.WAV");
    EXPECT_EQ(platform.messages.size(), c.Mode == GameMode::Unlimited ? 1u : 0u);
  }
}

// Without the dictionary a game judged as it goes cannot be played: the player is told and
// nothing starts. A Classic game judges only at Check List, and starts as ever.
TEST_F(MainWinModesTest, WithoutTheDictionaryOnlyAClassicGameStarts) {
  platform.programDirectory = dir.path().toStdString();  // no lexicons there
  Window().Settings().Mode = GameMode::Refill;
  PlaceBoard(kBoard, 4, 4);
  Button("Start")->click();
  EXPECT_FALSE(GameRunning());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Could not find one of the dictionary files.");
  EXPECT_TRUE(Button("Start")->isEnabled());
  Window().Settings().Mode = GameMode::Classic;
  Button("Start")->click();
  EXPECT_TRUE(GameRunning());
  EXPECT_EQ(platform.messages.size(), 1u);
}

// The facts take the foot of the guess list's place while a game shows them, at any window
// size, and give it back whole once the board changes.
TEST_F(MainWinModesTest, TheFactsTakeTheFootOfTheGuessListOnlyWhileTheyShow) {
  TMainWin& w = Window();
  w.Settings().Mode = GameMode::Refill;
  PlaceBoard(kBoard, 4, 4);
  const QRect full = GuessList()->geometry();
  Button("Start")->click();
  auto* facts = Find<TPlayFacts>("PlayFacts");
  ASSERT_TRUE(facts->isVisible());
  EXPECT_LT(GuessList()->geometry().bottom(), facts->geometry().top());
  EXPECT_EQ(facts->geometry().bottom(), full.bottom());
  w.ApplyWindowScale(2.0);
  const QRect factsLarge = facts->geometry();
  EXPECT_LT(GuessList()->geometry().bottom(), factsLarge.top());
  Button("ExitButton")->click();
  PlaceBoard(kBoard, 4, 4);
  EXPECT_FALSE(facts->isVisible());
  EXPECT_EQ(GuessList()->geometry().bottom(), factsLarge.bottom());
  w.ApplyWindowScale(1.0);
  EXPECT_EQ(GuessList()->geometry(), full);
}

}  // namespace
