#pragma once

#include <QListWidget>
#include <functional>

// The guess list as the player sees it: rows of one height running down one to three
// columns, the newest guess selected. Clicking it enters the word during a game.
class TGuessList : public QListWidget {
  Q_OBJECT
 public:
  explicit TGuessList(QWidget* parent);

  // At most three columns and at least one, whatever the settings file holds; rows as
  // high as the window size and the list's font need.
  void ApplyColumns(int columns, double scaleFactor);
  void AddGuess(const QString& guess);

  // A mouse button was released over the list; returns true when the list should not act
  // on the release itself.
  std::function<bool()> onMouseUp;

 protected:
  bool viewportEvent(QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
