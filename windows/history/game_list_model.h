#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/history_list.h"
#include "history/history_row.h"

class GameHistory;

// The games of the history as the window's list shows them, in the order of the column
// clicked. Only what the order needs is read up front, from the file's indexes: a game's
// line is read when the list first shows it, a page of lines at a time, so that a
// history of a hundred thousand games opens nearly as fast as one of a hundred.
class GameListModel : public QAbstractTableModel {
 public:
  GameListModel(QObject* parent, GameHistory& history);

  // Reads the list afresh, in the order last sorted by: the games of the game mode of code
  // `gameMode`, or every game when it is empty.
  void Reload(const std::string& gameMode);
  // The game shown on `row`; nothing when there is none (or it is gone from the file).
  std::optional<HistoryRow> GameOn(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The chosen games stay chosen: the view's selection and current line move with them.
  void sort(int column, Qt::SortOrder order) override;

 private:
  void ReadOrder();
  const HistoryRow* Line(int row) const;

  GameHistory& history_;
  GameColumn column_ = GameColumn::Date;
  bool descending_ = true;
  std::string gameMode_;
  std::vector<int64_t> ids_;
  // Lines read so far, by id; a game gone from the file is kept as a line of Id 0.
  mutable std::unordered_map<int64_t, HistoryRow> lines_;
};
