#include "windows/look/letter_look.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "settings/game_settings.h"
#include "windows/dialog_scaling.h"
#include "windows/look/qt_font.h"
#include "windows/look/tile_composer.h"
#include "windows/look/tile_picture.h"

namespace {

constexpr int kSpotEdge = 60;
constexpr char kSampleLetters[] = {'A', 'B', 'C'};

}  // namespace

TLetterLook::TLetterLook(GameHost& host)
    : TScaledDialog(host, "LetterLook", "Puzzle Font", {253, 119}, nullptr, 15),
      settings_(host.Settings()) {
  FormCreate();
}

// The window is made at start-up but seldom opened: its controls wait for the first
// showing, so start-up does not pay for them.
void TLetterLook::CreateControls() {
  const char* const spotNames[] = {"ASpot", "BSpot", "CSpot"};
  for (int spot = 0; spot < 3; ++spot) {
    Spots[spot] = new QLabel(this);
    Spots[spot]->setObjectName(spotNames[spot]);
    Spots[spot]->setGeometry(16 + 80 * spot, 8, kSpotEdge, kSpotEdge);
    Spots[spot]->setScaledContents(true);
  }
  const QFont buttonFont = ArialPixels(15);
  Background = MakeButton(this, "Background", "&Background", {8, 80, 89, 29}, buttonFont);
  FontButton = MakeButton(this, "Font", "&Font", {104, 80, 89, 29}, buttonFont);
  Exit = MakeButton(this, "Exit", "E&xit", {200, 80, 45, 29}, buttonFont);
  connect(Background, &QPushButton::clicked, this, [this] { BackgroundClick(); });
  connect(FontButton, &QPushButton::clicked, this, [this] { FontClick(); });
  connect(Exit, &QPushButton::clicked, this, [this] { ExitClick(); });

  WhiteImage = QImage(kSpotEdge, kSpotEdge, QImage::Format_RGB32);
  // Made while the window is being shown, so they are shown by hand.
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
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

// Centred, never scaled: the previews show the letters at the size the font names.
void TLetterLook::PlaceOnScreen() { CentreWindow(*this, host.ScreenSize(), 0); }

void TLetterLook::FormShow() { AdjustBitmaps(); }

void TLetterLook::AdjustBitmaps() {
  if (!Exit) CreateControls();
  const QFont font = QtFontFrom(settings_.LetterFont);
  const QColor color = ColorFromSetting(settings_.LetterFont.Color);
  for (int spot = 0; spot < 3; ++spot) {
    ComposeTile(spots_[spot], WhiteImage, SavedImage, kSpotEdge, kSampleLetters[spot], font, color);
    Spots[spot]->setPixmap(QPixmap::fromImage(spots_[spot]));
  }
}

void TLetterLook::FontClick() {
  const std::optional<FontDescription> chosen =
      ChooseFont(host.Services(), this, settings_.LetterFont, true);
  if (!chosen) return;
  // The board takes it, scaled to the window size, the next time it is painted.
  settings_.LetterFont = *chosen;
  AdjustBitmaps();
}

void TLetterLook::BackgroundClick() {
  FileDialogRequest request;
  request.title = "Letter Background Bitmaps";
  request.filter = "bitmaps (*.bmp);;pictures (*.png *.jpg *.jpeg *.gif)";
  request.defaultSuffix = "bmp";
  request.fileName = PathFromBytes(settings_.LetterBitmap);
  const QString chosen = host.Services().GetOpenFileName(this, request);
  if (chosen.isEmpty()) return;
  // The name is kept even if the picture does not read, so the choice is not lost.
  settings_.LetterBitmap = PathToBytes(chosen).substr(0, 255);
  TilePictureFault fault = TilePictureFault::None;
  QImage loaded = LoadTilePicture(PathToBytes(chosen), &fault);
  if (fault == TilePictureFault::TooLarge) {
    host.Services().ShowMessage(this,
                                "The picture " + chosen +
                                    " is too large: a tile picture may have at most 16,777,216 "
                                    "pixels (4096 x 4096).",
                                "Error");
    return;
  }
  if (loaded.isNull()) {
    host.Services().ShowMessage(this, "The picture " + chosen + " could not be read.", "Error");
    return;
  }
  SavedImage = loaded;
  AdjustBitmaps();
}

void TLetterLook::ExitClick() { accept(); }

// However the window is closed (Exit, Escape, the title bar), the board shows the look
// chosen at once.
void TLetterLook::done(int result) {
  QDialog::done(result);
  FormClose();
}

void TLetterLook::FormClose() { host.RepaintBoard(); }
