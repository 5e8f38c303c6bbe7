#include "windows/words/host_check_session.h"

#include <algorithm>

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "words/word_finder.h"

bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner) {
  Platform& services = host.Services();
  const ShowMessageFn showMessage = [&](const std::string& text, const std::string& caption) {
    services.ShowMessage(owner, TextFromBytes(text), TextFromBytes(caption));
  };
  return OpenCheckSession(session, host.ProgramDirectory(), services.UserDataDirectory(),
                          host.Settings().AmericanDictionary, showMessage);
}

std::optional<std::vector<std::string>> SortedBoardWords(GameHost& host, QWidget* owner,
                                                         const LetterGrid& grid,
                                                         int32_t minimumWordLength,
                                                         bool repeatingLettersAllowed) {
  CheckSession session;
  if (!OpenCheckSession(session, host, owner)) return std::nullopt;
  std::vector<std::string> words;
  for (BoardWord& word : FindWords(grid, session, minimumWordLength, repeatingLettersAllowed))
    words.push_back(std::move(word.Word));
  CloseCheckSession(session);
  std::sort(words.begin(), words.end());
  return words;
}
