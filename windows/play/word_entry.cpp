#include "windows/play/word_entry.h"

#include <QAction>
#include <QKeyEvent>

#include "windows/play/board_view.h"

TWordEntry::TWordEntry(QWidget* parent, TBoardView& board) : QLineEdit(parent), board_(board) {
  setObjectName("WordEntry");
  board_.onLetterPicked = [this](char letter) { AppendLetter(letter); };
  board_.onLetterTakenBack = [this] { TakeBackLetter(); };
  // Letters typed or deleted by hand make the word the player's own, not a path.
  connect(this, &QLineEdit::textEdited, this, [this] { board_.ForgetPicks(); });
}

void TWordEntry::AppendLetter(char letter) {
  setText(text() + QChar::fromLatin1(letter));
  end(false);
}

void TWordEntry::TakeBackLetter() {
  QString word = text();
  word.chop(1);
  setText(word);
}

bool TWordEntry::IsMenuShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : window()->findChildren<QAction*>())
    if (!action->shortcut().isEmpty() && action->shortcut() == pressed) return true;
  return false;
}

bool TWordEntry::event(QEvent* event) {
  // Left unanswered, the override passes the key on to the menu's shortcut.
  if (event->type() == QEvent::ShortcutOverride && IsMenuShortcut(*static_cast<QKeyEvent*>(event)))
    return true;
  return QLineEdit::event(event);
}

void TWordEntry::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && onEnter && onEnter()) return;
  QLineEdit::keyPressEvent(event);
}
