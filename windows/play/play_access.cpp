#include "windows/play/play_access.h"

#include <QWidget>

#include "platform/platform.h"

namespace {

struct ControlName {
  const char* Control;  // the object name
  const char* Name;
  const char* Description;
};

const ControlName kNames[] = {
    {"GuessList", "Word Guesses", ""},
    {"WordEntry", "Word", ""},
    // Its name is the time itself, spoken as it changes.
    {"TimePanel", "", "Timer"},
    {"MyGauge", "Game progress", ""},
};

// The word box, then the board's tiles, so that a word can be built either way.
const char* const kTabOrder[] = {"WordEntry", "BoardTiles"};

}  // namespace

PlayAccess::PlayAccess(Platform& platform, QWidget& window)
    : platform_(platform), window_(window) {}

void PlayAccess::Wire() {
  for (const ControlName& row : kNames) {
    auto* control = window_.findChild<QWidget*>(row.Control);
    if (*row.Name) control->setAccessibleName(row.Name);
    if (*row.Description) control->setAccessibleDescription(row.Description);
  }
  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    auto* control = window_.findChild<QWidget*>(name);
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void PlayAccess::TenSecondsLeft() { Say("10 seconds left"); }

void PlayAccess::TimeUp() { Say("Time is up."); }

void PlayAccess::Say(const char* text) { platform_.Alert(&window_, text); }
