// The game history end to end: games judged in the main window, the history reopened,
// its list, records and chart, the export read back, a board played again, deletions.

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineSeries>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QValueAxis>
#include <functional>

#include "game/game_mode.h"
#include "history/history_csv.h"
#include "history/history_list.h"
#include "platform/game_history.h"
#include "tests/app/main_win_fixture.h"
#include "tests/fake_game_host.h"
#include "windows/history/history_window.h"

namespace {

const QStringList kWords = {"CAT", "CATS", "EARN", "DOG", "LIME", "RAT", "TAR", "EAT"};

class HistoryWindowTest : public MainWinTest {
 protected:
  // One game on the board below, with the first `found` words and maybe a bad guess.
  void PlayGame(int found, bool badGuess, int minutes, GameMode mode = GameMode::Classic,
                bool hint = false) {
    PlaceBoard("CATS EARN DOGE LIME      ", 4, 4);
    Window().Settings().Minutes = minutes;
    Window().Settings().Mode = mode;
    Window().Settings().HintBestScore = hint;
    Button("Start")->click();
    for (int i = 0; i < found; ++i) Type(kWords[i]);
    if (badGuess) Type("XYZZY");
    Button("ExitButton")->click();
    Button("CheckList")->click();
    platform.utcSeconds += 3600;
  }

  template <class T>
  T* In(QDialog& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

TEST_F(HistoryWindowTest, FiftyGamesAreListedRankedChartedExportedAndPlayedAgain) {
  // The score dialog closes after each judging, as the player's Exit would.
  platform.onExec = [](QDialog& dialog) { dialog.hide(); };
  for (int game = 0; game < 50; ++game) PlayGame(game % 9, game % 4 == 0, 2 + game % 2);
  // Judging one game twice keeps it once.
  Button("CheckList")->click();
  const qsizetype notices = std::count_if(platform.messages.begin(), platform.messages.end(),
                                          [](const auto& m) { return m.caption == "Records"; });
  EXPECT_GE(notices, 10);
  for (const auto& message : platform.messages)
    EXPECT_EQ(message.caption, "Records") << message.text.toStdString();

  // The game closed and started again: the history file is read afresh.
  window.reset();
  platform.history.reset();
  const QString csvPath = dir.filePath("games.csv");
  bool shown = false;
  platform.onExec = [&](QDialog& dialog) {
    if (dialog.objectName() != "GameHistory") return;
    shown = true;
    auto* list = In<QTableView>(dialog, "GameList");
    ASSERT_EQ(list->model()->rowCount(), 50);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "2025-12-11 09:31:03");
    const int score = static_cast<int>(GameColumn::Score);
    list->sortByColumn(score, Qt::DescendingOrder);
    EXPECT_EQ(list->model()->index(0, score).data().toString(), "8");

    auto* modes = In<QComboBox>(dialog, "ModeChoice");
    ASSERT_EQ(modes->count(), 2);
    EXPECT_EQ(modes->itemText(0), "4 x 4, 2:00, American");
    for (int mode = 0; mode < 2; ++mode) {
      modes->setCurrentIndex(mode);
      auto* records = In<QTreeWidget>(dialog, "RecordsList");
      ASSERT_EQ(records->topLevelItemCount(), 10);
      EXPECT_GE(records->topLevelItem(0)->text(1).toInt(),
                records->topLevelItem(9)->text(1).toInt());
      auto* chart = In<QChartView>(dialog, "ProgressChart");
      ASSERT_EQ(chart->chart()->series().size(), 2);
      EXPECT_EQ(static_cast<QLineSeries*>(chart->chart()->series()[0])->count(), 25);
    }

    platform.saveAnswers = {csvPath};
    In<QPushButton>(dialog, "ExportButton")->click();
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const auto exported = ReadHistoryCsv(QString::fromUtf8(csv.readAll()).toLatin1().toStdString());
    ASSERT_TRUE(exported);
    std::vector<GameRecord> stored;
    platform.History()->EachGame(
        [&](const HistoryRow& row) { stored.push_back(*RecordFromRow(row)); });
    EXPECT_EQ(*exported, stored);
    EXPECT_EQ(stored.front().Guesses.size(), 4u);  // the last game: four words, no bad guess
    EXPECT_FALSE(stored.front().PossibleWords.empty());

    platform.confirmAnswer = false;
    In<QPushButton>(dialog, "DeleteAllButton")->click();
    EXPECT_EQ(list->model()->rowCount(), 50);
    platform.confirmAnswer = true;
    list->selectRow(3);
    In<QPushButton>(dialog, "DeleteButton")->click();
    EXPECT_EQ(list->model()->rowCount(), 49);
    list->selectRow(0);
    In<QPushButton>(dialog, "PlayAgainButton")->click();
  };
  Menu("MenuHistory")->trigger();
  ASSERT_TRUE(shown);
  EXPECT_EQ(Window().Board().Letters[6], 'E');
  EXPECT_TRUE(Button("Start")->isEnabled());

  platform.onExec = [&](QDialog& dialog) {
    if (dialog.objectName() != "GameHistory") return;
    In<QPushButton>(dialog, "DeleteAllButton")->click();
    EXPECT_EQ(In<QTableView>(dialog, "GameList")->model()->rowCount(), 0);
  };
  Menu("MenuHistory")->trigger();
  EXPECT_EQ(platform.confirmations.size(), 3u);
}

// Each game keeps its mode and whether a hint showed; records are kept per mode, and a
// game played with a hint never takes one; the list shows the games of one mode or all.
TEST_F(HistoryWindowTest, GamesOfEachModeAreKeptApartAndAGameWithHintsIsNoRecord) {
  platform.onExec = [](QDialog& dialog) { dialog.hide(); };
  const auto notices = [&] {
    return std::count_if(platform.messages.begin(), platform.messages.end(),
                         [](const auto& m) { return m.caption == "Records"; });
  };
  PlayGame(1, false, 3);
  PlayGame(4, false, 3, GameMode::Classic, true);
  PlayGame(1, false, 3, GameMode::Refill);
  EXPECT_EQ(notices(), 0) << "four words with a hint beat one, but are no record";
  PlayGame(2, false, 3);
  ASSERT_EQ(notices(), 1);
  EXPECT_EQ(platform.messages.back().text, "A new best score: 2 points on 4 x 4, 3:00, American.");

  bool shown = false;
  platform.onExec = [&](QDialog& dialog) {
    if (dialog.objectName() != "GameHistory") return;
    shown = true;
    auto* gameModes = In<QComboBox>(dialog, "GameModeChoice");
    auto* list = In<QTableView>(dialog, "GameList");
    ASSERT_EQ(gameModes->count(), 3);
    EXPECT_EQ(gameModes->itemText(0), "All modes");
    EXPECT_EQ(list->model()->rowCount(), 4);
    const auto column = [&](int row, GameColumn what) {
      return list->model()->index(row, static_cast<int>(what)).data().toString();
    };
    list->sortByColumn(static_cast<int>(GameColumn::Date), Qt::AscendingOrder);
    EXPECT_EQ(column(1, GameColumn::Mode), "Classic, with hints");
    EXPECT_EQ(column(2, GameColumn::Mode), "Refill");
    EXPECT_EQ(column(2, GameColumn::Length), "-");
    gameModes->setCurrentIndex(gameModes->findText("Refill"));
    EXPECT_EQ(list->model()->rowCount(), 1);
    gameModes->setCurrentIndex(gameModes->findText("Classic"));
    EXPECT_EQ(list->model()->rowCount(), 3);

    auto* recordModes = In<QComboBox>(dialog, "ModeChoice");
    ASSERT_EQ(recordModes->count(), 2);
    EXPECT_NE(recordModes->findText("4 x 4, Refill, American"), -1);
    recordModes->setCurrentIndex(recordModes->findText("4 x 4, 3:00, American"));
    auto* records = In<QTreeWidget>(dialog, "RecordsList");
    ASSERT_EQ(records->topLevelItemCount(), 2) << "the game with a hint is left out";
    EXPECT_EQ(records->topLevelItem(0)->text(1), "2");
  };
  Menu("MenuHistory")->trigger();
  EXPECT_TRUE(shown);
}

// The history window on its own, over a history file written here.
class HistoryWindowParts : public ::testing::Test {
 protected:
  // Game i: played i hours after the first, scoring kScores[i], its letters all 'A' + i.
  static constexpr int64_t kScores[] = {5, 30, -2, 12, 7};

  void SetUp() override {
    for (int i = 0; i < 5; ++i) {
      GameRecord game;
      game.PlayedAt = 1765000000 + i * 3600;
      game.Letters = std::string(25, static_cast<char>('A' + i));
      game.TotalScore = kScores[i];
      game.Guesses = {{"GUESS" + std::to_string(i), GuessVerdict::Valid, kScores[i]}};
      ids.push_back(History().Add(RowFromRecord(game)));
    }
  }

  GameHistory& History() { return *host.platform.History(); }

  // Runs the window; `act` plays the player while it is open.
  void Run(const std::function<void(QDialog&, QTableView&)>& act) {
    host.platform.onExec = [&](QDialog& dialog) {
      auto* list = dialog.findChild<QTableView*>("GameList");
      ASSERT_NE(list, nullptr);
      dialog.show();
      dialog.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      act(dialog, *list);
    };
    ShowGameHistory(host);
  }

  static QString Guesses(QDialog& dialog) {
    auto* guesses = dialog.findChild<QListWidget*>("GuessList");
    return guesses->count() > 0 ? guesses->item(0)->text() : QString();
  }

  // Which game a line shows, by its score.
  static int64_t ScoreOn(QTableView& list, int row) {
    return list.model()->index(row, static_cast<int>(GameColumn::Score)).data().toLongLong();
  }

  static int64_t ChosenScore(QTableView& list) {
    const QModelIndexList chosen = list.selectionModel()->selectedRows();
    return chosen.size() == 1 ? ScoreOn(list, chosen[0].row()) : INT64_MIN;
  }

  FakeGameHost host;
  std::vector<int64_t> ids;
};

// However a game is chosen (a click, the keys, a screen reader's "select" on its row or
// cell), the Guesses pane, Delete and Play This Board Again act on that game, and a sort
// of the list moves the choice along with the game.
TEST_F(HistoryWindowParts, TheChosenGameIsTheOneShownDeletedAndPlayedWhateverChoseIt) {
  const auto clickScoreTitle = [](QTableView& list) {
    QHeaderView* header = list.horizontalHeader();
    const int score = static_cast<int>(GameColumn::Score);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(score) + 5, header->height() / 2});
  };
  const auto accessibleTable = [](QTableView& list) {
    return QAccessible::queryAccessibleInterface(&list)->tableInterface();
  };
  const struct {
    const char* how;
    std::function<void(QTableView&, int row)> choose;
  } ways[] = {
      {"mouse click",
       [](QTableView& list, int row) {
         QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                           list.visualRect(list.model()->index(row, 1)).center());
       }},
      {"keys",
       [](QTableView& list, int row) {
         list.setFocus();
         QTest::keyClick(&list, Qt::Key_Home);
         for (int i = 0; i < row; ++i) QTest::keyClick(&list, Qt::Key_Down);
       }},
      {"accessible select of the row",
       [&](QTableView& list, int row) { accessibleTable(list)->selectRow(row); }},
      {"accessible action of a cell",
       [&](QTableView& list, int row) {
         QAccessibleInterface* cell = accessibleTable(list)->cellAt(row, 2);
         ASSERT_NE(cell->actionInterface(), nullptr);
         cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    Run([&](QDialog& dialog, QTableView& list) {
      // Newest first: the fourth line is the game of 30 points.
      way.choose(list, 3);
      ASSERT_EQ(ChosenScore(list), 30);
      EXPECT_EQ(Guesses(dialog), "GUESS1  Valid  30");
      clickScoreTitle(list);
      clickScoreTitle(list);
      EXPECT_EQ(ScoreOn(list, 0), 30) << "sorted by score, best first";
      EXPECT_EQ(ChosenScore(list), 30) << "the chosen game stays chosen";
      EXPECT_EQ(Guesses(dialog), "GUESS1  Valid  30");
      host.platform.confirmAnswer = false;
      dialog.findChild<QPushButton*>("DeleteButton")->click();
      ASSERT_FALSE(host.platform.confirmations.empty());
      EXPECT_EQ(host.platform.confirmations.back(),
                "Delete the game of 2025-12-06 06:46:40 (UTC) from the history?");
      dialog.findChild<QPushButton*>("PlayAgainButton")->click();
    });
    EXPECT_EQ(host.board.Letters[1], 'B');
  }
}

// A screen reader reads each cell with its column's title and the records' rows; the
// chart has words of its own; every control has its own name; Tab leaves the list.
TEST_F(HistoryWindowParts, AScreenReaderHearsWhatTheEyeSeesAndTabMovesOn) {
  Run([&](QDialog& dialog, QTableView& list) {
    const auto named = [](QWidget* widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&list)->tableInterface();
    EXPECT_EQ(table->cellAt(0, static_cast<int>(GameColumn::Score))->text(QAccessible::Name),
              "Score: 7");
    EXPECT_EQ(table->cellAt(0, static_cast<int>(GameColumn::Found))->text(QAccessible::Name),
              "Found / Possible: 1 / 0");
    auto* tabs = dialog.findChild<QTabWidget*>("HistoryTabs");
    EXPECT_NE(named(&list), tabs->tabText(0).remove('&'));

    auto* records = dialog.findChild<QTreeWidget*>("RecordsList");
    EXPECT_EQ(named(records), "Records");
    QAccessibleTableInterface* places =
        QAccessible::queryAccessibleInterface(records)->tableInterface();
    ASSERT_NE(places, nullptr);
    EXPECT_EQ(places->cellAt(0, 1)->text(QAccessible::Name), "Score: 30");
    EXPECT_EQ(places->cellAt(4, 2)->text(QAccessible::Name), "Date (UTC): 2025-12-06 07:46:40");
    // A box is named by its value; the label is told as its label.
    const auto labels =
        QAccessible::queryAccessibleInterface(dialog.findChild<QComboBox*>("ModeChoice"))
            ->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Mode:");
    auto* chart = dialog.findChild<QChartView*>("ProgressChart");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description),
              "Scores of the last 5 games, from -2 to 30 points.");

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &list) << "Tab stays in the list";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &list);
  });
}

// The history file is the player's to edit: rows no game could have left are not listed
// (and the player is told why), and a board with bytes no tile holds is never played.
TEST_F(HistoryWindowParts, RowsNoGameCouldLeaveAreNeitherListedNorPlayed) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "edit_rows");
    db.setDatabaseName(QString::fromStdString(host.platform.userDataDirectory) + "/history.sqlite");
    ASSERT_TRUE(db.open());
    QSqlQuery edit(db);
    ASSERT_TRUE(
        edit.exec(QString("UPDATE games SET height = 9, width = 9 WHERE id = %1").arg(ids[0])));
    ASSERT_TRUE(edit.exec(QString("UPDATE games SET played_at = 9e15 WHERE id = %1").arg(ids[2])));
    ASSERT_TRUE(edit.exec(
        QString("UPDATE games SET letters = char(65, 10, 66) WHERE id = %1").arg(ids[1])));
  }
  QSqlDatabase::removeDatabase("edit_rows");
  const int widthBefore = host.settings.Width;
  Run([&](QDialog& dialog, QTableView& list) {
    ASSERT_EQ(list.model()->rowCount(), 3);
    EXPECT_NE(list.model()->index(0, 0).data().toString(), "-26031-12-28 00:00:00");
    ASSERT_EQ(host.platform.messages.size(), 1u);
    EXPECT_TRUE(host.platform.messages[0].text.contains("holds 2 games that do not read"));
    list.selectRow(2);
    ASSERT_EQ(ChosenScore(list), 30);
    dialog.findChild<QPushButton*>("PlayAgainButton")->click();
    ASSERT_EQ(host.platform.messages.size(), 2u);
    EXPECT_EQ(host.platform.messages[1].text,
              "This game's board cannot be played again: the history holds it damaged.");
  });
  EXPECT_EQ(host.boardLoaded, 0);
  EXPECT_EQ(host.settings.Width, widthBefore);
}

// One game charts as a dot on a score axis of whole, distinct steps; the dates of the
// list and of the records are never cut off.
TEST_F(HistoryWindowParts, OneGameChartsAndNoDateIsCutOff) {
  History().RemoveAll();
  GameRecord game;
  game.PlayedAt = 1765000000;
  game.TotalScore = 3;
  History().Add(RowFromRecord(game));
  Run([&](QDialog& dialog, QTableView& list) {
    auto* chart = dialog.findChild<QChartView*>("ProgressChart");
    auto* score = static_cast<QLineSeries*>(chart->chart()->series()[0]);
    EXPECT_EQ(score->count(), 1);
    EXPECT_TRUE(score->pointsVisible());
    auto* axis = static_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical, score)[0]);
    EXPECT_EQ(axis->min(), 0);
    EXPECT_GE(axis->max(), 3);
    EXPECT_EQ(static_cast<int>(axis->max() - axis->min()) % (axis->tickCount() - 1), 0);
    EXPECT_EQ(axis->max() - axis->min(), axis->tickCount() - 1) << "one point a step";

    const QString date = list.model()->index(0, 0).data().toString();
    EXPECT_GE(list.columnWidth(0), list.fontMetrics().horizontalAdvance(date));
    auto* records = dialog.findChild<QTreeWidget*>("RecordsList");
    EXPECT_GE(records->columnWidth(2),
              records->fontMetrics().horizontalAdvance(records->topLevelItem(0)->text(2)));
  });
}

}  // namespace
