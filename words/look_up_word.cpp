#include "words/look_up_word.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "presentation/dialog_scaling.h"
#include "words/definition_window.h"
#include "words/host_check_session.h"

namespace {

constexpr int kLongestWord = 25;

}  // namespace

TLookUpWord::TLookUpWord(GameHost& host) : QDialog(host.Window()), host_(host) {
  setObjectName("LookUpWord");
  setWindowTitle("Look Up Word");
  setFont(ArialPixels(17));
  // One row taller than the original, for "&Define" below the other buttons.
  setFixedSize(376, 126);

  MakeLabel(this, "WordLabel", "Word To Verify", {16, 12, 129, 21}, ArialPixels(17),
            Qt::AlignRight | Qt::AlignVCenter);
  TheWord = new QLineEdit(this);
  TheWord->setObjectName("TheWord");
  TheWord->setGeometry(156, 8, 209, 27);
  TheWord->setFont(ArialPixels(17));
  TheWord->setMaxLength(kLongestWord);

  CheckButton = MakeButton(this, "CheckButton", "&Check Word", {28, 48, 153, 29});
  CheckButton->setDefault(true);
  ExitButton = MakeButton(this, "ExitButton", "E&xit", {192, 48, 153, 29});
  connect(CheckButton, &QPushButton::clicked, this, &TLookUpWord::CheckButtonClick);
  DefineButton = MakeButton(this, "DefineButton", "&Define", {110, 85, 153, 29});
  connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(DefineButton, &QPushButton::clicked, this, &TLookUpWord::DefineButtonClick);

  setTabOrder(TheWord, CheckButton);
  setTabOrder(CheckButton, ExitButton);
  setTabOrder(ExitButton, DefineButton);
  SaveDimensions(this, Dimensions);
}

void TLookUpWord::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window system's own show events (mapping, restoring) must not move the dialog.
  if (!event->spontaneous())
    ScaleDialog(*this, Dimensions, host_.ScaleFactor(), host_.ScreenSize());
}

std::string TLookUpWord::EnteredWord() {
  const std::string word = TrimBlanks(TextToBytes(TheWord->text()));
  if (word.empty()) {
    host_.Services().ShowMessage(this, "No word entered. Please enter a word.", "Error");
    TheWord->setFocus();
  }
  return word;
}

void TLookUpWord::DefineButtonClick() {
  const std::string word = EnteredWord();
  if (word.empty()) return;
  ShowDefinition(host_, *this, definitions_, word);
  TheWord->setFocus();
}

void TLookUpWord::CheckButtonClick() {
  Platform& services = host_.Services();
  const std::string word = EnteredWord();
  if (word.empty()) return;

  CheckSession session;
  if (!OpenCheckSession(session, host_, this)) return;
  // Checked as typed: unlike a guess, the word is not put into capitals.
  const bool found = InSpeller(session, word);
  const std::string answer = word + (found ? " FOUND" : " NOT FOUND") + " in dictionary.";
  services.ShowMessage(this, TextFromBytes(answer), "Result");
  TheWord->setFocus();
  CloseCheckSession(session);
}

void ShowLookUpWord(GameHost& host) {
  TLookUpWord dialog(host);
  host.Services().ExecDialog(dialog);
}
