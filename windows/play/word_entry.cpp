#include "windows/play/word_entry.h"

#include <QAction>
#include <QKeyEvent>

#include "platform/qt_text.h"
#include "windows/play/board_view.h"
#include "words/language.h"

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

const Language& TWordEntry::TypedLanguage() const {
  return typedLanguage ? typedLanguage() : English();
}

bool TWordEntry::Refuses(const QString& typed) const {
  const Language& language = TypedLanguage();
  if (language.Typing != Folding::ToTiles) return false;
  for (const char32_t c : typed.toUcs4())
    if (QChar::isPrint(c) && c != U' ' && FoldLetter(language, c).empty()) return true;
  return false;
}

std::string TWordEntry::Word() const {
  const QString typed = text().left(255);
  const Language& language = TypedLanguage();
  if (language.Typing != Folding::ToTiles) return TextToBytes(typed);
  // Only a pasted text can still hold a character that is no letter: it is left out.
  std::string word;
  for (const char32_t c : typed.toUcs4()) word += c == U' ' ? " " : FoldLetter(language, c);
  return word;
}

void TWordEntry::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && onEnter && onEnter()) return;
  if (Refuses(event->text())) return;
  QLineEdit::keyPressEvent(event);
}
