#include "presentation/letter_look.h"

#include "presentation/tile_picture.h"
#include "settings/game_settings.h"

TLetterLook::TLetterLook(QWidget* owner, GameSettings& settings)
    : QDialog(owner), settings_(settings) {
  setWindowTitle("Puzzle Font");
  FormCreate();
}

QImage TLetterLook::BuiltInTile() {
  return QImage(":/assets/tile.png").convertToFormat(QImage::Format_RGB32);
}

// The player's bitmap when it exists and reads as a picture; otherwise the built-in tile.
// A file that is missing or unreadable at start-up is not worth a message: the setting
// stays, and the board still gets a proper tile.
void TLetterLook::FormCreate() {
  SavedImage = LoadTilePicture(settings_.LetterBitmap);
  if (SavedImage.isNull()) SavedImage = BuiltInTile();
}
