#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A one-line entry box as assistive technology reads it. Qt 6.4's own interface never
// returns when asked for the word or sentence at the end of the text, which is what a
// screen reader asks after Ctrl+Left or End: the game froze. This one answers every
// offset from the text's pieces (characters, words and the gaps between them,
// sentences, the one line), gives the whole text as one run of attributes, and takes
// every edit as typing does, through the box's own checks and signals.
class TLineEditAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
 public:
  explicit TLineEditAccessible(QLineEdit* edit);

  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text type, const QString& text) override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  QLineEdit* Edit() const;
  // The text a screen reader may read: none in a box that hides what is typed.
  QString ReadableText() const;
  QString Piece(int offset, QAccessible::TextBoundaryType boundaryType, int step, int* startOffset,
                int* endOffset) const;
};
