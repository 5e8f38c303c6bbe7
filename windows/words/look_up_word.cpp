#include "windows/words/look_up_word.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "windows/words/host_check_session.h"

namespace {

constexpr int kLongestWord = 25;

}  // namespace

TLookUpWord::TLookUpWord(GameHost& host)
    : TScaledDialog(host, "LookUpWord", "Look Up Word", {376, 89}) {

  MakeLabel(this, "WordLabel", "Word To Verify", {16, 12, 129, 21}, ArialPixels(17),
            Qt::AlignRight | Qt::AlignVCenter);
  TheWord = new QLineEdit(this);
  TheWord->setObjectName("TheWord");
  TheWord->setAccessibleName("Word To Verify");
  TheWord->setGeometry(156, 8, 209, 27);
  TheWord->setFont(ArialPixels(17));
  TheWord->setMaxLength(kLongestWord);

  CheckButton = MakeButton(this, "CheckButton", "&Check Word", {28, 48, 153, 29});
  CheckButton->setDefault(true);
  ExitButton = MakeButton(this, "ExitButton", "E&xit", {192, 48, 153, 29});
  connect(CheckButton, &QPushButton::clicked, this, &TLookUpWord::CheckButtonClick);
  connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(TheWord, CheckButton);
  setTabOrder(CheckButton, ExitButton);
  RecordDesignLayout();
}

void TLookUpWord::CheckButtonClick() {
  Platform& services = host.Services();
  const std::optional<std::string> typed = ExactTextToBytes(TheWord->text());
  if (!typed) {
    services.ShowMessage(this, kNotSingleByteMessage, "Error");
    TheWord->setFocus();
    return;
  }
  const std::string word = TrimBlanks(*typed);
  if (word.empty()) {
    services.ShowMessage(this, "No word entered. Please enter a word.", "Error");
    TheWord->setFocus();
    return;
  }

  CheckSession session;
  if (!OpenCheckSession(session, host, this)) return;
  // Checked as typed: unlike a guess, the word is not put into capitals.
  const bool found = InSpeller(session, word);
  const std::string answer = word + (found ? " FOUND" : " NOT FOUND") + " in dictionary.";
  services.ShowMessage(this, TextFromBytes(answer), "Result");
  TheWord->setFocus();
  CloseCheckSession(session);
}
