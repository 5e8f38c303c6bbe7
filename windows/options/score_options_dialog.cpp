#include "windows/options/score_options_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"

TScoreOptions::TScoreOptions(GameHost& host)
    : TOptionDialog(host, "ScoreOptions", "Scoring", {416, 336}) {
  const GameSettings& settings = host.Settings();

  QGroupBox* points = MakeFrame("PointsForWords", "Points for Words", {8, 8, 192, 320});
  for (int line = 0; line < 10; ++line) {
    const int length = line + 3;
    const QString name = "Score" + QString::number(length);
    const QString caption =
        length <= 11 ? QString::number(length) + " letter words" : QString("Larger words");
    const int top = 28 + 28 * line;
    ScoreFields[line] =
        MakeNumberField(points, name, {144, top, 32, 25}, 2, settings.LengthPoints[line]);
    MakeFieldLabel(ScoreFields[line], name + "Label", caption, {16, top, 120, 25});
  }

  QGroupBox* penalties = MakeFrame("SubtractAPoint", "Subtract A Point", {208, 8, 200, 120});
  Misspelled = MakeCheckBox(penalties, "Misspelled", "Misspelled Word", {16, 28, 176, 25},
                            settings.WordMisspelled);
  NotInPuzzle = MakeCheckBox(penalties, "NotInPuzzle", "Word Not In Puzzle", {16, 56, 176, 25},
                             settings.WordNotInPuzzle);
  TooShort = MakeCheckBox(penalties, "TooShort", "Word Too Short", {16, 84, 176, 25},
                          settings.WordTooShort);

  OKButton = MakeOkButton("OKButton", {208, 295, 96, 33});
  CancelButton = MakeCancelButton({312, 295, 96, 33});
  connect(OKButton, &QPushButton::clicked, this, &TScoreOptions::OkButtonClick);

  for (std::size_t line = 1; line < ScoreFields.size(); ++line)
    setTabOrder(ScoreFields[line - 1], ScoreFields[line]);
  setTabOrder(ScoreFields.back(), Misspelled);
  setTabOrder(Misspelled, TooShort);
  setTabOrder(TooShort, NotInPuzzle);
  setTabOrder(NotInPuzzle, OKButton);
  setTabOrder(OKButton, CancelButton);
  RecordDesignLayout();
}

void TScoreOptions::OkButtonClick() {
  const auto values = ReadNumberFields({ScoreFields.begin(), ScoreFields.end()}, ReadScoreFields);
  if (!values) return;
  GameSettings& settings = host.Settings();
  for (int line = 0; line < kScoredLengths; ++line) settings.LengthPoints[line] = (*values)[line];
  settings.WordMisspelled = Misspelled->isChecked();
  settings.WordNotInPuzzle = NotInPuzzle->isChecked();
  settings.WordTooShort = TooShort->isChecked();
  accept();
}
