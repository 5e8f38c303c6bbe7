#include "windows/options/show_options_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"

TShowOptions::TShowOptions(GameHost& host)
    : TOptionDialog(host, "ShowOptions", "Options", {440, 168}) {
  const GameSettings& settings = host.Settings();
  RepeatLetters =
      MakeCheckBox(this, "RepeatLetters", "&Allow letters to be used more than once in word",
                   {16, 16, 408, 25}, settings.RepeatingLettersAllowed);
  AlternateLetters = MakeCheckBox(this, "AlternateLetters", "Alternate &vowels and consonants",
                                  {16, 48, 408, 25}, settings.AlternateLetters);
  HighFreqLetters =
      MakeCheckBox(this, "HighFreqLetters", "&Use high frequency word building letters",
                   {16, 80, 408, 25}, settings.HighFrequencyLetters);
  OkButton = MakeOkButton("OkButton", {176, 120, 89, 33});
  connect(OkButton, &QPushButton::clicked, this, &TShowOptions::OkButtonClick);

  setTabOrder(RepeatLetters, OkButton);
  setTabOrder(OkButton, AlternateLetters);
  setTabOrder(AlternateLetters, HighFreqLetters);
  RecordDesignLayout();
}

void TShowOptions::OkButtonClick() {
  GameSettings& settings = host.Settings();
  settings.RepeatingLettersAllowed = RepeatLetters->isChecked();
  settings.AlternateLetters = AlternateLetters->isChecked();
  settings.HighFrequencyLetters = HighFreqLetters->isChecked();
  accept();
}
