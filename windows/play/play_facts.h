#pragma once

#include <QListWidget>
#include <QString>
#include <vector>

// Under the guess list while a game is judged as it is played or shows hints: the running
// score, what the mode has left, and the hints asked for, a line each in two columns. A
// list, so that Tab reaches it and a screen reader reads every line in full.
class TPlayFacts : public QListWidget {
  Q_OBJECT
 public:
  explicit TPlayFacts(QWidget* parent);

  struct Fact {
    QString Shown;   // "Best 140"
    QString Spoken;  // "Best possible score: 140"
  };
  // The lines, each kept where it stands when only its text changes.
  void ShowFacts(const std::vector<Fact>& facts);
  // Its font and rows as the window size needs, in two columns of the list's width.
  void ApplyScale(double scaleFactor);
};
