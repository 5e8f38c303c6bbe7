#pragma once

#include <QImage>
#include <array>

#include "windows/scaled_dialog.h"

class QLabel;
class QPushButton;
struct GameSettings;

// "Puzzle Font", the letter appearance window. It lives for the whole run and holds the
// one tile background picture of the program, `SavedImage`, which the board painting
// reads. It is never scaled with the window size.
class TLetterLook : public TScaledDialog {
  Q_OBJECT
 public:
  explicit TLetterLook(GameHost& host);

  QImage SavedImage;

  // The built-in 60 x 60 tile picture.
  static QImage BuiltInTile();

  // The three preview tiles made again from the tile picture and the letter font.
  void AdjustBitmaps();
  void BackgroundClick();
  void FontClick();
  void ExitClick();

 protected:
  void done(int result) override;

 private:
  void CreateControls();
  void FormCreate();
  void PlaceOnScreen() override;
  void FormShow() override;
  void FormClose();

  GameSettings& settings_;
  QImage WhiteImage;
  std::array<QImage, 3> spots_;
  std::array<QLabel*, 3> Spots{};  // ASpot, BSpot, CSpot
  QPushButton* Background = nullptr;
  QPushButton* FontButton = nullptr;
  QPushButton* Exit = nullptr;
};
