// The game history end to end: games judged in the main window, the history reopened,
// its list, records and chart, the export read back, a board played again, deletions.

#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QTableView>
#include <QTreeWidget>

#include "game/game_mode.h"
#include "history/history_csv.h"
#include "history/history_list.h"
#include "tests/app/main_win_fixture.h"

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
    for (const HistoryRow& row : platform.History()->Games())
      stored.push_back(*RecordFromRow(platform.History()->Game(row.Id)));
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

}  // namespace
