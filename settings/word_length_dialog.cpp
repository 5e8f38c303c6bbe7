#include "settings/word_length_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"

TWordLength::TWordLength(GameHost& host)
    : TOptionDialog(host, "WordLength", "Word Length", {264, 112}) {
  MinWordLen =
      MakeNumberField(this, "MinWordLen", {208, 16, 40, 25}, 1, host.Settings().MinimumWordLength);
  MakeFieldLabel(MinWordLen, "Label1", "Minimum Word Length", {16, 16, 184, 25});
  OkButton = MakeOkButton("OkButton", {88, 64, 89, 33});
  connect(OkButton, &QPushButton::clicked, this, &TWordLength::OkButtonClick);
  RecordDesignLayout();
}

void TWordLength::OkButtonClick() {
  const auto values = ReadNumberFields({MinWordLen}, ReadWordLengthFields);
  if (!values) return;
  host.Settings().MinimumWordLength = (*values)[0];
  accept();
}

void ShowWordLength(GameHost& host) {
  TWordLength dialog(host);
  host.Services().ExecDialog(dialog);
}
