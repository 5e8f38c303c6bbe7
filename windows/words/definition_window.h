#pragma once

#include <string>

#include "windows/scaled_dialog.h"
#include "words/definitions/word_meanings.h"

class Platform;
class QPlainTextEdit;
class QWidget;

// The read-only text that shows what a word means; the Missed Words window keeps one
// beside its list.
QPlainTextEdit* MakeDefinitionPane(QWidget* parent, const QRect& bounds);

// Stemmers from the platform's stemming module, on each language's Hunspell dictionary.
WordMeanings::StemmerOpener PlatformStemmers(Platform& platform);

// Shows in `pane` what `meanings` say of `word` in the language the host plays.
void ShowDefinitionIn(QPlainTextEdit& pane, GameHost& host, WordMeanings& meanings,
                      const std::string& word);

// "Definition": what one word means, for the score dialog and Look Up Word.
class TDefinitionWindow : public TScaledDialog {
  Q_OBJECT
 public:
  TDefinitionWindow(GameHost& host, QWidget* owner, WordMeanings& meanings,
                    const std::string& word);
};

// The window for `word`, made for this one use and run modally, owned by `owner`.
inline void ShowDefinition(GameHost& host, QWidget& owner, WordMeanings& meanings,
                           const std::string& word) {
  ShowDialog<TDefinitionWindow>(host, &owner, meanings, word);
}
