#include "windows/options/hints_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/widget_makers.h"

THintsDialog::THintsDialog(GameHost& host)
    : TOptionDialog(host, "HintsDialog", "Hints", {416, 200}) {
  const GameSettings& settings = host.Settings();
  WordsByLength = MakeCheckBox(this, "HintWordsByLength", "Words left by &length",
                               {16, 16, 384, 25}, settings.HintWordsByLength);
  WordsStartingHere = MakeCheckBox(this, "HintWordsStartingHere", "Words &starting on each tile",
                                   {16, 48, 384, 25}, settings.HintWordsStartingHere);
  BestScore = MakeCheckBox(this, "HintBestScore", "&Best possible score", {16, 80, 384, 25},
                           settings.HintBestScore);
  QLabel* note = MakeLabel(this, "HintsNote",
                           "A game played with a hint is kept in the history, but never as "
                           "a record.",
                           {16, 112, 384, 40}, ArialPixels(15));
  note->setWordWrap(true);
  OkButton = MakeOkButton("OkButton", {208, 160, 96, 33});
  CancelButton = MakeCancelButton({312, 160, 96, 33});
  connect(OkButton, &QPushButton::clicked, this, &THintsDialog::OkButtonClick);
  RecordDesignLayout();
}

void THintsDialog::OkButtonClick() {
  GameSettings& settings = host.Settings();
  settings.HintWordsByLength = WordsByLength->isChecked();
  settings.HintWordsStartingHere = WordsStartingHere->isChecked();
  settings.HintBestScore = BestScore->isChecked();
  accept();
}
