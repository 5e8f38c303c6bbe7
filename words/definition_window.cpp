#include "words/definition_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "presentation/dialog_scaling.h"
#include "words/definitions/word_definitions.h"

QPlainTextEdit* MakeDefinitionPane(QWidget* parent, const QRect& bounds) {
  auto* pane = new QPlainTextEdit(parent);
  pane->setObjectName("DefinitionText");
  pane->setGeometry(bounds);
  pane->setReadOnly(true);
  pane->setTabChangesFocus(true);
  pane->setFont(ArialPixels(15));
  return pane;
}

void ShowDefinitionIn(QPlainTextEdit& pane, WordDefinitions& definitions, const std::string& word) {
  pane.setPlainText(TextFromBytes(definitions.Describe(word)));
}

TDefinitionWindow::TDefinitionWindow(QWidget* owner, GameHost& host, WordDefinitions& definitions,
                                     const std::string& word)
    : QDialog(owner), host_(host) {
  setObjectName("DefinitionWindow");
  setWindowTitle("Definition");
  setFont(ArialPixels(17));
  setFixedSize(377, 300);
  ShowDefinitionIn(*MakeDefinitionPane(this, {8, 8, 361, 247}), definitions, word);
  QPushButton* exit = MakeButton(this, "OKButton", "E&xit", {280, 263, 89, 29});
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  SaveDimensions(this, Dimensions);
}

void TDefinitionWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window system's own show events (mapping, restoring) must not move the dialog.
  if (!event->spontaneous())
    ScaleDialog(*this, Dimensions, host_.ScaleFactor(), host_.ScreenSize());
}

void ShowDefinition(GameHost& host, QWidget& owner, WordDefinitions& definitions,
                    const std::string& word) {
  TDefinitionWindow window(&owner, host, definitions, word);
  host.Services().ExecDialog(window);
}
