#include "windows/play/play_access.h"

#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "platform/platform.h"
#include "windows/play/board_view.h"
#include "windows/play/word_entry.h"

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

// During a game: the word box, the board's tiles (a word can be built either way), the
// guesses so far and Abort; Shift+Tab goes back the same way.
const char* const kTabOrder[] = {"WordEntry", "BoardTiles", "GuessList", "ExitButton"};

QString Counted(int count, const char* unit) {
  return QString("%1 %2%3").arg(count).arg(unit).arg(count == 1 ? "" : "s");
}

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

  auto* word = window_.findChild<TWordEntry*>("WordEntry");
  word->onLetterAdded = [this, word](char letter) {
    Say(QString("%1 — %2").arg(QChar::fromLatin1(letter), word->text()));
  };
  word->onLetterRemoved = [this, word] {
    Say("back — " + (word->text().isEmpty() ? QString("empty") : word->text()));
  };
  auto* board = window_.findChild<TBoardView*>("Board");
  board->onBoardChanged = [this, board] {
    const BoardGeometry geometry = board->Geometry();
    Say(QString("New board, %1 by %2").arg(geometry.Height).arg(geometry.Width));
  };
  // The word entered stays where the player is; only the list's last line is new.
  auto* guesses = window_.findChild<QListWidget*>("GuessList");
  QObject::connect(guesses->model(), &QAbstractItemModel::rowsInserted, &window_, [this, guesses] {
    guessNews_ = guesses->item(guesses->count() - 1)->text() + " entered";
    QTimer::singleShot(0, &window_, [this] { SayGuessNews(); });
  });
}

void PlayAccess::GameStarted(int gameSeconds) {
  QString length = gameSeconds >= 60 ? Counted(gameSeconds / 60, "minute") : QString();
  if (gameSeconds % 60 != 0 || gameSeconds == 0)
    length += (length.isEmpty() ? "" : " ") + Counted(gameSeconds % 60, "second");
  Say("Game started, " + length);
}

void PlayAccess::TenSecondsLeft() { SayNow("10 seconds left"); }

// At once, after the guess that ended the game: the message box that may follow says it
// again.
void PlayAccess::GameOver(const QString& why) {
  SayGuessNews();
  SayNow(why);
}

void PlayAccess::GuessJudged(const QString& news) { guessNews_ = news; }

void PlayAccess::SayGuessNews() {
  if (!guessNews_.isEmpty()) SayNow(std::exchange(guessNews_, QString()));
}

void PlayAccess::Say(const QString& text) {
  QTimer::singleShot(0, &window_, [this, text] { SayNow(text); });
}

void PlayAccess::SayNow(const QString& text) { platform_.Alert(&window_, text); }
