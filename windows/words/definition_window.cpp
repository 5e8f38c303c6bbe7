#include "windows/words/definition_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "words/definitions/word_translations.h"
#include "words/language.h"

QPlainTextEdit* MakeDefinitionPane(QWidget* parent, const QRect& bounds) {
  auto* pane = new QPlainTextEdit(parent);
  pane->setObjectName("DefinitionText");
  pane->setAccessibleName("Definition");
  pane->setGeometry(bounds);
  pane->setReadOnly(true);
  pane->setTabChangesFocus(true);
  pane->setFont(ArialPixels(15));
  return pane;
}

WordMeanings::StemmerOpener PlatformStemmers(Platform& platform) {
  return [&platform](const Language& language) {
    const auto [affixPath, dictionaryPath] = HunspellFiles(language);
    return platform.OpenStemmer(affixPath, dictionaryPath);
  };
}

void ShowDefinitionIn(QPlainTextEdit& pane, GameHost& host, WordMeanings& meanings,
                      const std::string& word) {
  pane.setPlainText(TextFromBytes(meanings.Describe(ChosenLanguage(host.Settings()), word)));
}

TDefinitionWindow::TDefinitionWindow(GameHost& host, QWidget* owner, WordMeanings& meanings,
                                     const std::string& word)
    : TScaledDialog(host, "DefinitionWindow", "Definition", {377, 300}, owner) {
  ShowDefinitionIn(*MakeDefinitionPane(this, {8, 8, 361, 247}), host, meanings, word);
  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {280, 263, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}
