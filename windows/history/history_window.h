#pragma once

#include <cstdint>
#include <memory>
#include <vector>

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
  void Reload();
  // The games of the game mode chosen above the list, or all of them.
  void ListGames();
  void GameChosen();
  void ModeChosen();
  void PlayAgainClick();
  void ExportClick();
  void DeleteClick();
  void DeleteAllClick();
  // The game of the list's current line; nullptr when none is chosen.
  const HistoryRow* ChosenGame() const;
  void TellTrouble();

  GameHistory& history_;
  std::vector<HistoryRow> games_;  // every game
  std::vector<HistoryRow> rows_;   // the games the list shows
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
