#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "history/best_ten.h"
#include "history/history_list.h"
#include "history/history_row.h"
#include "history/progress.h"

class QWidget;

// The history file of every judged game. It lives in the history module, which carries
// the database; a trouble with the file never stops a game. Only sound rows (IsSoundRow's
// size, date and length) are ever listed, ranked, charted or exported. Nothing here reads
// every game's row but the export: the lists are read from the indexes.
class GameHistory {
 public:
  virtual ~GameHistory() = default;
  // The new game's id, or 0 when it could not be recorded (see Trouble).
  virtual int64_t Add(const HistoryRow& row) = 0;
  // Every game, or every game of the game mode of code `gameMode` when it is not empty, in
  // no order, with its id and the fields GameLess orders `column` by.
  virtual std::vector<HistoryRow> SortKeys(GameColumn column, const std::string& gameMode = {}) = 0;
  // The games of `ids` without their two lists, in any order; a game that is gone is
  // left out.
  virtual std::vector<HistoryRow> Summaries(const std::vector<int64_t>& ids) = 0;
  // One game whole; Id 0 when there is none such.
  virtual HistoryRow Game(int64_t id) = 0;
  // Every game whole, newest first, one at a time; false when they could not all be read.
  virtual bool EachGame(const std::function<void(const HistoryRow&)>& take) = 0;
  // Every mode the games were played in, in RecordMode's order. Tells (see Trouble) of
  // the rows no list shows.
  virtual std::vector<RecordMode> Modes() = 0;
  // The best scores of one mode, of the games played without hints: the eleven best (fewer
  // when there are fewer), in any order.
  virtual std::vector<ScoreEntry> BestScores(const RecordMode& mode) = 0;
  // The last kChartedGames games of one mode, in the order played.
  virtual std::vector<ProgressPoint> Progress(const RecordMode& mode) = 0;
  // Deleting gives the room back to the disk when much of the file is left empty.
  virtual bool Remove(int64_t id) = 0;
  virtual bool RemoveAll() = 0;
  // What went wrong with the history file since the last call, each kind of trouble at
  // most once in a run for each kind of action (recording, showing, deleting); empty when
  // there is nothing new to tell.
  virtual std::string Trouble() = 0;
};

// The chart of a player's progress in one mode.
class ProgressChart {
 public:
  virtual ~ProgressChart() = default;
  virtual QWidget* Widget() = 0;
  virtual void Show(const ProgressView& view) = 0;
};
