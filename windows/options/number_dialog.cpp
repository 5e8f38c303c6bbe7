#include "windows/options/number_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "settings/game_settings.h"

struct NumberField {
  const char* Name;
  QRect Bounds;
  const char* LabelName;
  const char* Label;
  QRect LabelBounds;
  int32_t GameSettings::*Setting;
};

struct NumberDialogRow {
  const char* Name;
  const char* Caption;
  QSize Client;
  std::vector<NumberField> Fields;  // in reading order
  QRect OkBounds;
  FieldValues (*Read)(const std::vector<std::string>& texts);
  // What follows from the new values, given the settings before "&Ok".
  void (*Applied)(GameHost& host, const GameSettings& before);
};

namespace {

void NothingMore(GameHost&, const GameSettings&) {}

void GuessListChanged(GameHost& host, const GameSettings&) { host.GuessListLookChanged(); }

// The board is cleared only when its size changes.
void BoardSizeChanged(GameHost& host, const GameSettings& before) {
  const GameSettings& settings = host.Settings();
  if (settings.Width == before.Width && settings.Height == before.Height) return;
  LetterGrid& board = host.Board();
  board.Blank();
  board.ComputeCellOnBoard(settings.Height, settings.Width);
  host.BoardResized();
}

const NumberDialogRow& RowFor(NumberDialog which) {
  using S = GameSettings;
  static const NumberDialogRow kWordLength = {"WordLength",
                                              "Word Length",
                                              {264, 112},
                                              {{"MinWordLen",
                                                {208, 16, 40, 25},
                                                "Label1",
                                                "Minimum Word Length",
                                                {16, 16, 184, 25},
                                                &S::MinimumWordLength}},
                                              {88, 64, 89, 33},
                                              ReadWordLengthFields,
                                              NothingMore};
  static const NumberDialogRow kGuessColumns = {"GuessColumns",
                                                "Guess List",
                                                {264, 112},
                                                {{"NumGuessCol",
                                                  {208, 16, 40, 25},
                                                  "Label1",
                                                  "Columns in Guess List",
                                                  {16, 16, 184, 25},
                                                  &S::GuessListColumns}},
                                                {88, 64, 89, 33},
                                                ReadGuessColumnFields,
                                                GuessListChanged};
  static const NumberDialogRow kDimensions = {
      "MyDimen",
      "Dimensions",
      {200, 144},
      {{"PuzzWidth", {120, 16, 40, 25}, "WidthLabel", "Width", {40, 16, 64, 25}, &S::Width},
       {"PuzzHeight", {120, 48, 40, 25}, "HeightLabel", "Height", {40, 48, 64, 25}, &S::Height}},
      {56, 96, 89, 33},
      ReadDimensionFields,
      BoardSizeChanged};
  switch (which) {
    case NumberDialog::WordLength:
      return kWordLength;
    case NumberDialog::GuessColumns:
      return kGuessColumns;
    case NumberDialog::Dimensions:
      break;
  }
  return kDimensions;
}

}  // namespace

TNumberDialog::TNumberDialog(GameHost& host, NumberDialog which)
    : TOptionDialog(host, RowFor(which).Name, RowFor(which).Caption, RowFor(which).Client),
      row_(RowFor(which)) {
  for (const NumberField& field : row_.Fields) {
    QLineEdit* box =
        MakeNumberField(this, field.Name, field.Bounds, 1, host.Settings().*field.Setting);
    MakeFieldLabel(box, field.LabelName, field.Label, field.LabelBounds);
    fields_.push_back(box);
  }
  OkButton = MakeOkButton("OkButton", row_.OkBounds);
  connect(OkButton, &QPushButton::clicked, this, &TNumberDialog::OkButtonClick);
  RecordDesignLayout();
}

void TNumberDialog::OkButtonClick() {
  const auto values = ReadNumberFields(fields_, row_.Read);
  if (!values) return;
  const GameSettings before = host.Settings();
  for (std::size_t field = 0; field < fields_.size(); ++field)
    host.Settings().*row_.Fields[field].Setting = (*values)[field];
  row_.Applied(host, before);
  accept();
}
