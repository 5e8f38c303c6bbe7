#include "windows/words/host_check_session.h"

#include "platform/game_host.h"
#include "platform/platform.h"
#include "platform/qt_text.h"

bool OpenCheckSession(CheckSession& session, GameHost& host, QWidget* owner) {
  Platform& services = host.Services();
  const ShowMessageFn showMessage = [&](const std::string& text, const std::string& caption) {
    services.ShowMessage(owner, TextFromBytes(text), TextFromBytes(caption));
  };
  return OpenCheckSession(session, host.ProgramDirectory(), services.UserDataDirectory(),
                          host.Settings().AmericanDictionary, showMessage);
}

const std::vector<BoardWord>& GameBoardWords(GameHost& host, const CheckSession& session) {
  const GameSettings& settings = host.Settings();
  return host.WordsOfBoard().Of(host.GameBoard().Grid, session, settings.MinimumWordLength,
                                settings.RepeatingLettersAllowed);
}
