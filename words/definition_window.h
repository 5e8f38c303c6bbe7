#pragma once

#include <QDialog>
#include <string>

#include "presentation/saved_dimensions.h"

class GameHost;
class QPlainTextEdit;
class QWidget;
class WordDefinitions;

// The read-only text that shows what a word means; the Missed Words window keeps one
// beside its list.
QPlainTextEdit* MakeDefinitionPane(QWidget* parent, const QRect& bounds);

// Shows in `pane` what `definitions` say of `word`.
void ShowDefinitionIn(QPlainTextEdit& pane, WordDefinitions& definitions, const std::string& word);

// "Definition": what one word means, for the score dialog and Look Up Word.
class TDefinitionWindow : public QDialog {
  Q_OBJECT
 public:
  TDefinitionWindow(QWidget* owner, GameHost& host, WordDefinitions& definitions,
                    const std::string& word);

  SavedDimensions Dimensions;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  GameHost& host_;
};

// The window for `word`, made for this one use and run modally, owned by `owner`.
void ShowDefinition(GameHost& host, QWidget& owner, WordDefinitions& definitions,
                    const std::string& word);
