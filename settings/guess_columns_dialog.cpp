#include "settings/guess_columns_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"

TGuessColumns::TGuessColumns(GameHost& host)
    : TOptionDialog(host, "GuessColumns", "Guess List", {264, 112}) {
  NumGuessCol =
      MakeNumberField(this, "NumGuessCol", {208, 16, 40, 25}, 1, host.Settings().GuessListColumns);
  MakeFieldLabel(NumGuessCol, "Label1", "Columns in Guess List", {16, 16, 184, 25});
  OkButton = MakeOkButton("OkButton", {88, 64, 89, 33});
  connect(OkButton, &QPushButton::clicked, this, &TGuessColumns::OkButtonClick);
  RecordDesignLayout();
}

void TGuessColumns::OkButtonClick() {
  const auto values = ReadNumberFields({NumGuessCol}, ReadGuessColumnFields);
  if (!values) return;
  host.Settings().GuessListColumns = (*values)[0];
  host.GuessListLookChanged();
  accept();
}

void ShowGuessColumns(GameHost& host) {
  TGuessColumns dialog(host);
  host.Services().ExecDialog(dialog);
}
