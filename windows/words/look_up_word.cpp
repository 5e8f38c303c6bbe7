#include "windows/words/look_up_word.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/text_utils.h"
#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/widget_makers.h"
#include "settings/game_settings.h"
#include "windows/words/definition_window.h"
#include "windows/words/host_check_session.h"
#include "words/language.h"

namespace {

constexpr int kLongestWord = 25;

}  // namespace

// One row taller than the original, for "&Define" below the other buttons.
TLookUpWord::TLookUpWord(GameHost& host)
    : TScaledDialog(host, "LookUpWord", "Look Up Word", {376, 126}),
      meanings_(host.ProgramDirectory(), PlatformStemmers(host.Services())) {
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
  DefineButton = MakeButton(this, "DefineButton", "&Define", {110, 85, 153, 29});
  connect(CheckButton, &QPushButton::clicked, this, &TLookUpWord::CheckButtonClick);
  connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(DefineButton, &QPushButton::clicked, this, &TLookUpWord::DefineButtonClick);

  setTabOrder(TheWord, CheckButton);
  setTabOrder(CheckButton, ExitButton);
  setTabOrder(ExitButton, DefineButton);
  RecordDesignLayout();
}

std::string TLookUpWord::EnteredWord() {
  const std::optional<std::string> typed = ExactTextToBytes(TheWord->text());
  const std::string word = typed ? TrimBlanks(*typed) : std::string();
  if (word.empty()) {
    host.Services().ShowMessage(
        this, typed ? "No word entered. Please enter a word." : kNotSingleByteMessage, "Error");
    TheWord->setFocus();
  }
  return word;
}

void TLookUpWord::DefineButtonClick() {
  const std::string word = EnteredWord();
  if (word.empty()) return;
  ShowDefinition(host, *this, meanings_, word);
  TheWord->setFocus();
}

void TLookUpWord::CheckButtonClick() {
  const std::string word = EnteredWord();
  if (word.empty()) return;

  CheckSession session;
  if (!OpenCheckSession(session, host, this)) return;
  // Checked as typed: unlike a guess, the word is not put into capitals. In a language
  // whose words are folded it is checked as it would be played ("élève" as ELEVE).
  const Language& language = ChosenLanguage(host.Settings());
  std::optional<std::string> played;
  if (language.Typing == Folding::ToTiles) played = FoldLatin1Word(language, word);
  const bool found = InSpeller(session, played.value_or(word));
  const std::string answer = word + (found ? " FOUND" : " NOT FOUND") + " in dictionary.";
  host.Services().ShowMessage(this, TextFromBytes(answer), "Result");
  TheWord->setFocus();
  CloseCheckSession(session);
}
