#pragma once

#include <QDialog>
#include <QImage>

struct GameSettings;

// The letter appearance window. It lives for the whole run and holds the one tile
// background picture of the program, `SavedImage`, which the board painting reads.
class TLetterLook : public QDialog {
  Q_OBJECT
 public:
  TLetterLook(QWidget* owner, GameSettings& settings);

  QImage SavedImage;

  // The built-in 60 x 60 tile picture.
  static QImage BuiltInTile();

 private:
  void FormCreate();

  GameSettings& settings_;
};
