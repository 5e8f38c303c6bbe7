#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "history/best_ten.h"
#include "history/history_row.h"
#include "windows/scaled_dialog.h"

class GameHistory;
class GameListModel;
class ProgressChart;
class QComboBox;
class QListWidget;
class QPushButton;
class QTableView;
class QTreeWidget;

// "Game History": every judged game, newest first, of one game mode or all; a game's
// guesses; the ten best of each mode with a chart of progress in it; playing a board
// again, exporting, deleting.
class THistoryWindow : public TScaledDialog {
  Q_OBJECT
 public:
  THistoryWindow(GameHost& host, GameHistory& history);
  ~THistoryWindow() override;

 private:
  // The list read afresh from the file, then shown.
  void Reload();
  // The game modes played, the list, the modes and their records and chart.
  void ShowList();
  // The games of the game mode chosen above the list, or all of them; the first chosen.
  void ListGames();
  void GameChosen();
  void ModeChosen();
  void PlayAgainClick();
  void ExportClick();
  void DeleteClick();
  void DeleteAllClick();
  // The game of the list's chosen line: the mouse, the keys and a screen reader's
  // "select" all choose by selecting. Nothing when none is chosen.
  std::optional<HistoryRow> ChosenGame() const;
  void TellTrouble();

  GameHistory& history_;
  std::vector<RecordMode> modes_;
  std::unique_ptr<ProgressChart> chart_;

  GameListModel* model_ = nullptr;
  QTableView* GameList = nullptr;
  QListWidget* GuessList = nullptr;
  QComboBox* GameModeChoice = nullptr;
  QComboBox* ModeChoice = nullptr;
  QTreeWidget* RecordsList = nullptr;
  QPushButton* PlayAgainButton = nullptr;
  QPushButton* DeleteButton = nullptr;
};

// Opens the history of the host's platform in a modal window; says so when the history
// cannot be had.
void ShowGameHistory(GameHost& host);
