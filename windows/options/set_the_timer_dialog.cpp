#include "windows/options/set_the_timer_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/widget_makers.h"

TSetTheTimer::TSetTheTimer(GameHost& host)
    : TOptionDialog(host, "SetTheTimer", "Timer", {272, 257}) {
  const GameSettings& settings = host.Settings();

  QGroupBox* time = MakeFrame("TimeAllowed", "Time Allowed To Find Words", {8, 8, 256, 64});
  Minutes = MakeNumberField(time, "Minutes", {88, 28, 32, 25}, 2, settings.Minutes);
  MakeFieldLabel(Minutes, "MinutesLabel", "Minutes", {16, 28, 72, 25});
  Seconds = MakeNumberField(time, "Seconds", {208, 28, 32, 25}, 2, settings.Seconds);
  MakeFieldLabel(Seconds, "SecondsLabel", "Seconds", {136, 28, 72, 25});

  QGroupBox* announcement =
      MakeFrame("TimesUpAnnouncement", "Times Up Announcement", {8, 80, 256, 120});
  const std::array<std::pair<const char*, const char*>, 3> choices = {{
      {"TimeUpSound", "Sound Only"},
      {"TimeUpDialog", "Dialog Box Only"},
      {"TimeUpSoundAndDialog", "Sound and Dialog Box"},
  }};
  TimeUpChoice = settings.TimeUpNotification;
  for (int index = 0; index < 3; ++index) {
    auto* button = new QRadioButton(choices[index].second, announcement);
    button->setObjectName(choices[index].first);
    button->setGeometry(16, 28 + 28 * index, 224, 25);
    button->setFont(ArialPixels(17));
    button->setChecked(TimeUpChoice == index + 1);
    connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
      if (!checked) return;
      TimeUpChoice = index + 1;
      TabToTheChosen();
    });
    TimeUpButtons[index] = button;
  }
  TabToTheChosen();

  OkButton = MakeOkButton("OkButton", {64, 216, 96, 33});
  CancelButton = MakeCancelButton({168, 216, 96, 33});
  connect(OkButton, &QPushButton::clicked, this, &TSetTheTimer::OkButtonClick);

  setTabOrder(Minutes, Seconds);
  setTabOrder(Seconds, TimeUpButtons[0]);
  setTabOrder(TimeUpButtons[2], OkButton);
  setTabOrder(OkButton, CancelButton);
  RecordDesignLayout();
}

// Tab enters the choices on the one chosen (the first when none is) and leaves them
// from there; the arrows move among them. The others take the focus from a click.
void TSetTheTimer::TabToTheChosen() {
  const bool anyChosen = TimeUpChoice >= 1 && TimeUpChoice <= 3;
  for (int index = 0; index < 3; ++index) {
    const bool tabStop = anyChosen ? TimeUpChoice == index + 1 : index == 0;
    TimeUpButtons[index]->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void TSetTheTimer::OkButtonClick() {
  const auto values = ReadNumberFields({Minutes, Seconds}, ReadTimerFields);
  if (!values) return;
  GameSettings& settings = host.Settings();
  settings.Minutes = (*values)[0];
  settings.Seconds = (*values)[1];
  settings.TimeUpNotification = TimeUpChoice;
  accept();
}
