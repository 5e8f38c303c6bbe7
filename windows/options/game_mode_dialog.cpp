#include "windows/options/game_mode_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/game_host.h"
#include "platform/widget_makers.h"

namespace {

// The mode's name with an accelerator on its first letter that no other control of the
// dialog has taken yet.
QString WithAccelerator(const QString& name, QString& taken) {
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar letter = name[i].toLower();
    if (!letter.isLetter() || taken.contains(letter)) continue;
    taken += letter;
    return name.left(i) + "&" + name.mid(i);
  }
  return name;
}

}  // namespace

TGameModeDialog::TGameModeDialog(GameHost& host)
    : TOptionDialog(host, "GameModeDialog", "Game Mode", {480, 392}) {
  const GameSettings& settings = host.Settings();
  QString taken = "ocj";  // Ok, Cancel, Judge
  int top = 12;
  for (const GameModeRow& row : GameModes()) {
    auto* button = new QRadioButton(WithAccelerator(row.Name, taken), this);
    button->setObjectName(QString("Mode_") + row.Code);
    button->setGeometry(16, top, 448, 22);
    button->setFont(ArialPixels(17, true));
    button->setChecked(row.Mode == settings.Mode);
    QLabel* rule = MakeLabel(this, QString("Rule_") + row.Code, row.Description,
                             {40, top + 22, 424, 20}, ArialPixels(15));
    button->setAccessibleDescription(rule->text());
    ModeButtons.push_back(button);
    top += 48;
    if (row.Mode == GameMode::Classic) {
      JudgeAsEntered = MakeCheckBox(this, "JudgeAsEntered", "&Judge words as they are entered",
                                    {40, top - 4, 424, 22}, settings.JudgeAsEntered);
      JudgeAsEntered->setEnabled(button->isChecked());
      connect(button, &QRadioButton::toggled, JudgeAsEntered, &QCheckBox::setEnabled);
      top += 28;
    }
  }

  OkButton = MakeOkButton("OkButton", {272, 348, 96, 33});
  CancelButton = MakeCancelButton({376, 348, 96, 33});
  connect(OkButton, &QPushButton::clicked, this, &TGameModeDialog::OkButtonClick);
  RecordDesignLayout();
}

void TGameModeDialog::OkButtonClick() {
  GameSettings& settings = host.Settings();
  for (size_t i = 0; i < ModeButtons.size(); ++i)
    if (ModeButtons[i]->isChecked()) settings.Mode = GameModes()[i].Mode;
  settings.JudgeAsEntered = JudgeAsEntered->isChecked();
  host.GameModeChanged();
  accept();
}
