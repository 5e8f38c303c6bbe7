#include "settings/dimensions_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"

TMyDimen::TMyDimen(GameHost& host)
    : TOptionDialog(host, "MyDimen", "Dimensions", {200, 144}),
      OldWidth(host.Settings().Width),
      OldHeight(host.Settings().Height) {
  PuzzWidth = MakeNumberField(this, "PuzzWidth", {120, 16, 40, 25}, 1, OldWidth);
  MakeFieldLabel(PuzzWidth, "WidthLabel", "Width", {40, 16, 64, 25});
  PuzzHeight = MakeNumberField(this, "PuzzHeight", {120, 48, 40, 25}, 1, OldHeight);
  MakeFieldLabel(PuzzHeight, "HeightLabel", "Height", {40, 48, 64, 25});
  OkButton = MakeOkButton("OkButton", {56, 96, 89, 33});
  connect(OkButton, &QPushButton::clicked, this, &TMyDimen::OkButtonClick);
  RecordDesignLayout();
}

void TMyDimen::OkButtonClick() {
  const auto values = ReadNumberFields({PuzzWidth, PuzzHeight}, ReadDimensionFields);
  if (!values) return;
  GameSettings& settings = host.Settings();
  settings.Width = (*values)[0];
  settings.Height = (*values)[1];
  if (settings.Width != OldWidth || settings.Height != OldHeight) {
    LetterGrid& board = host.Board();
    board.Blank();
    board.ComputeCellOnBoard(settings.Height, settings.Width);
    host.BoardResized();
  }
  accept();
}

void ShowDimensions(GameHost& host) {
  TMyDimen dialog(host);
  host.Services().ExecDialog(dialog);
}
