#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/best_ten.h"
#include "history/history_row.h"

class QWidget;

// The history file of every judged game. It lives in the history module, which carries
// the database; a trouble with the file never stops a game.
class GameHistory {
 public:
  virtual ~GameHistory() = default;
  // The new game's id, or 0 when it could not be recorded (see Trouble).
  virtual int64_t Add(const HistoryRow& row) = 0;
  // Every game newest first, without the two lists.
  virtual std::vector<HistoryRow> Games() = 0;
  // One game whole; Id 0 when there is none such.
  virtual HistoryRow Game(int64_t id) = 0;
  // The best scores of one mode, of the games played without hints: the eleven best (fewer
  // when there are fewer), in any order.
  virtual std::vector<ScoreEntry> BestScores(const RecordMode& mode) = 0;
  virtual bool Remove(int64_t id) = 0;
  virtual bool RemoveAll() = 0;
  // What went wrong with the history file since the last call, each kind of trouble at
  // most once in a run; empty when there is nothing new to tell.
  virtual std::string Trouble() = 0;
};

// One game on the progress chart.
struct ProgressPoint {
  int64_t PlayedAt = 0;  // seconds since 1970 UTC
  int64_t Score = 0;
  double PercentOfPossible = 0;
};

// The chart of a player's progress: score and % of possible points over time.
class ProgressChart {
 public:
  virtual ~ProgressChart() = default;
  virtual QWidget* Widget() = 0;
  virtual void Show(const std::vector<ProgressPoint>& points) = 0;
};
