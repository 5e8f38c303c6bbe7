#include "windows/words/host_check_session.h"

#include <cstdint>
#include <utility>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "settings/game_settings.h"
#include "words/board_deal.h"
#include "words/language.h"
#include "words/word_finder.h"

bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner) {
  return OpenCheckSession(session, host, owner, ChosenLanguage(host.Settings()));
}

bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner,
                      const Language& language) {
  Platform& services = host.Services();
  const ShowMessageFn showMessage = [&](const std::string& text, const std::string& caption) {
    services.ShowMessage(owner, TextFromBytes(text), TextFromBytes(caption));
  };
  return OpenCheckSession(session, host.ProgramDirectory(), services.UserDataDirectory(),
                          host.Settings().AmericanDictionary, showMessage, language);
}

bool ChooseLanguage(GameHost& host, const Language& language) {
  CheckSession session;
  if (!OpenCheckSession(session, host, host.Window(), language)) return false;
  CloseCheckSession(session);
  host.Settings().LanguageCode = std::string(language.Code);
  host.LanguageChanged();
  return true;
}

void DealNewBoard(GameHost& host) {
  const GameSettings& settings = host.Settings();
  const Language& language = ChosenLanguage(settings);
  CheckSession session;
  bool opened = false, tried = false;
  const auto countWords = [&](const LetterGrid& grid) -> std::size_t {
    if (!std::exchange(tried, true)) opened = OpenCheckSession(session, host, host.Window());
    // Without a dictionary every board would look empty: keep the first one dealt.
    if (!opened) return SIZE_MAX;
    // Kept: the board dealt last is the one played, and its words are found already.
    return host.WordsOfBoard()
        .Of(grid, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed)
        .size();
  };
  DealBoard(host.Board(), settings, host.Services().Random(), language, countWords);
  if (opened) CloseCheckSession(session);
}

const std::vector<BoardWord>& GameBoardWords(GameHost& host, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  return host.WordsOfBoard().Of(host.GameBoard().Grid, session, settings.MinimumWordLength,
                                settings.RepeatingLettersAllowed);
}
