#pragma once

#include <string>

#include "windows/scaled_dialog.h"

class QPlainTextEdit;
class QWidget;
class WordDefinitions;

// The read-only text that shows what a word means; the Missed Words window keeps one
// beside its list.
QPlainTextEdit* MakeDefinitionPane(QWidget* parent, const QRect& bounds);

// Shows in `pane` what `definitions` say of `word`.
void ShowDefinitionIn(QPlainTextEdit& pane, WordDefinitions& definitions, const std::string& word);

// "Definition": what one word means, for the score dialog and Look Up Word.
class TDefinitionWindow : public TScaledDialog {
  Q_OBJECT
 public:
  TDefinitionWindow(GameHost& host, QWidget* owner, WordDefinitions& definitions,
                    const std::string& word);
};

// The window for `word`, made for this one use and run modally, owned by `owner`.
inline void ShowDefinition(GameHost& host, QWidget& owner, WordDefinitions& definitions,
                           const std::string& word) {
  ShowDialog<TDefinitionWindow>(host, &owner, definitions, word);
}
