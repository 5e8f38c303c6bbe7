#include "windows/words/host_check_session.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "settings/game_settings.h"
#include "words/board_deal.h"
#include "words/board_search/board_search.h"
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

void DealNewBoard(GameHost& host) { DealNewBoard(host, host.Board()); }

void DealNewBoard(GameHost& host, LetterGrid& grid) {
  const GameSettings& settings = host.Settings();
  const Language& language = ChosenLanguage(settings);
  CheckSession session;
  bool opened = false, tried = false;
  const auto countWords = [&](const LetterGrid& dealt) -> std::size_t {
    if (!std::exchange(tried, true)) opened = OpenCheckSession(session, host, host.Window());
    // Without a dictionary every board would look empty: keep the first one dealt.
    if (!opened) return SIZE_MAX;
    // Kept: the board dealt last is the one played, and its words are found already.
    return host.WordsOfBoard()
        .Of(dealt, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed)
        .size();
  };
  DealBoard(grid, settings, host.Services().Random(), language, countWords);
  if (opened) CloseCheckSession(session);
}

const std::vector<BoardWord>& GameBoardWords(GameHost& host, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  return host.WordsOfBoard().Of(host.GameBoard().Grid, session, settings.MinimumWordLength,
                                settings.RepeatingLettersAllowed);
}

std::optional<std::vector<std::string>> SortedBoardWords(GameHost& host, QWidget* owner,
                                                         const LetterGrid& grid,
                                                         int32_t minimumWordLength,
                                                         bool repeatingLettersAllowed) {
  CheckSession session;
  if (!OpenCheckSession(session, host, owner)) return std::nullopt;
  std::vector<std::string> words;
  for (const BoardWord& word :
       host.WordsOfBoard().Of(grid, session, minimumWordLength, repeatingLettersAllowed))
    words.push_back(word.Word);
  CloseCheckSession(session);
  std::sort(words.begin(), words.end());
  return words;
}

ScoreSheet JudgeGuessList(GameHost& host, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  // A game judged as it was played keeps the verdicts the player saw.
  if (const std::vector<JudgedGuess>* asPlayed = host.VerdictsAsPlayed())
    return SheetOf(*asPlayed, settings);
  const LetterGrid& board = host.GameBoard().Grid;
  return ScoreGuesses(
      host.Guesses(), settings,
      [&](const std::string& word) {
        return InPuzzle(board, word, settings.RepeatingLettersAllowed);
      },
      [&](const std::string& word) { return InSpeller(session, word); });
}
