#include "windows/play/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace {

// Where the pieces of `text` begin and end, from 0 to its length. Words come with the
// gaps between them as pieces of their own; a single line is one piece.
std::vector<int> PieceBounds(const QString& text, QAccessible::TextBoundaryType boundaryType) {
  std::vector<int> bounds{0};
  QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
  if (boundaryType == QAccessible::WordBoundary) finderType = QTextBoundaryFinder::Word;
  if (boundaryType == QAccessible::SentenceBoundary) finderType = QTextBoundaryFinder::Sentence;
  const bool wholeLine = boundaryType == QAccessible::LineBoundary ||
                         boundaryType == QAccessible::ParagraphBoundary ||
                         boundaryType == QAccessible::NoBoundary;
  if (!wholeLine) {
    QTextBoundaryFinder finder(finderType, text);
    for (int at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary()) {
      const bool edgeOfItem = finder.boundaryReasons() &
                              (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
      if (edgeOfItem || finderType != QTextBoundaryFinder::Word) bounds.push_back(at);
    }
  }
  bounds.push_back(static_cast<int>(text.size()));
  return bounds;
}

}  // namespace

TLineEditAccessible::TLineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
  addControllingSignal("textChanged(const QString&)");
  addControllingSignal("returnPressed()");
}

QLineEdit* TLineEditAccessible::Edit() const { return static_cast<QLineEdit*>(widget()); }

QString TLineEditAccessible::ReadableText() const {
  return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString();
}

void* TLineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TLineEditAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) {
    if (Edit()->echoMode() == QLineEdit::NoEcho) return {};
    if (Edit()->echoMode() != QLineEdit::Normal) return QString(Edit()->text().size(), '*');
    return Edit()->text();
  }
  const QString text = QAccessibleWidget::text(type);
  if (text.isEmpty() && type == QAccessible::Description) return Edit()->placeholderText();
  return text;
}

void TLineEditAccessible::setText(QAccessible::Text type, const QString& text) {
  if (type != QAccessible::Value) {
    QAccessibleWidget::setText(type, text);
    return;
  }
  replaceText(0, characterCount(), text);
}

QAccessible::State TLineEditAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = Edit()->isReadOnly();
  state.editable = !Edit()->isReadOnly();
  state.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
  state.selectableText = true;
  return state;
}

void TLineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
  *startOffset = Edit()->selectionStart();
  *endOffset = Edit()->selectionEnd();
}

int TLineEditAccessible::selectionCount() const { return Edit()->hasSelectedText() ? 1 : 0; }

void TLineEditAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void TLineEditAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Edit()->deselect();
}

void TLineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  const int count = characterCount();
  startOffset = std::clamp(startOffset, 0, count);
  endOffset = std::clamp(endOffset, 0, count);
  Edit()->setSelection(startOffset, endOffset - startOffset);
}

int TLineEditAccessible::cursorPosition() const { return Edit()->cursorPosition(); }

void TLineEditAccessible::setCursorPosition(int position) { Edit()->setCursorPosition(position); }

QString TLineEditAccessible::text(int startOffset, int endOffset) const {
  if (startOffset < 0 || startOffset > endOffset) return {};
  return ReadableText().mid(startOffset, endOffset - startOffset);
}

int TLineEditAccessible::characterCount() const { return static_cast<int>(Edit()->text().size()); }

// The piece at `offset` (step 0), or the one before (-1) or after (+1) it. An offset of -2
// is the caret and -1 the end of the text. The end belongs to the last word, sentence or
// line, but there is no character at the end. No such piece: an empty text at -1, -1.
QString TLineEditAccessible::Piece(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                                   int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = -1;
  const QString text = ReadableText();
  if (offset == -2) offset = cursorPosition();
  if (offset == -1) offset = static_cast<int>(text.size());
  if (text.isEmpty() || offset < 0 || offset > text.size()) return {};
  const std::vector<int> bounds = PieceBounds(text, boundaryType);
  const int pieces = static_cast<int>(bounds.size()) - 1;
  int piece =
      static_cast<int>(std::upper_bound(bounds.begin(), bounds.end(), offset) - bounds.begin()) - 1;
  if (offset == text.size() && boundaryType != QAccessible::CharBoundary) piece = pieces - 1;
  piece += step;
  if (piece < 0 || piece >= pieces) return {};
  *startOffset = bounds[piece];
  *endOffset = bounds[piece + 1];
  return text.mid(*startOffset, *endOffset - *startOffset);
}

QString TLineEditAccessible::textBeforeOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, -1, startOffset, endOffset);
}

QString TLineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, 0, startOffset, endOffset);
}

QString TLineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, 1, startOffset, endOffset);
}

// Measured from the caret, whose place Qt gives out with the box's scroll included.
QRect TLineEditAccessible::characterRect(int offset) const {
  const QString text = ReadableText();
  if (offset < 0 || offset >= text.size()) return {};
  const QFontMetrics metrics(Edit()->font());
  const QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                metrics.horizontalAdvance(text.left(cursorPosition()));
  const QPoint topLeft = Edit()->mapToGlobal(QPoint(x, caret.y()));
  return {topLeft, QSize(metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height())};
}

int TLineEditAccessible::offsetAtPoint(const QPoint& point) const {
  return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void TLineEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
  Edit()->setCursorPosition(endIndex);
  Edit()->setCursorPosition(startIndex);
}

// One run without attributes over the whole text. Qt's own gives an empty run at each
// offset, from which a screen reader pieced the line together without its last letter:
// "dogs" was read as "dog".
QString TLineEditAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

void TLineEditAccessible::deleteText(int startOffset, int endOffset) {
  replaceText(startOffset, endOffset, {});
}

void TLineEditAccessible::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void TLineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  if (Edit()->isReadOnly() || !Edit()->isEnabled()) return;
  setSelection(0, startOffset, endOffset);
  if (text.isEmpty() && Edit()->hasSelectedText())
    Edit()->del();
  else
    Edit()->insert(text);
}
