#include "words/check_session.h"

#include <filesystem>

#include "base/paths.h"
#include "settings/game_settings.h"
#include "words/engine/spelling_engine.h"
#include "words/language.h"
#include "words/user_word_list.h"

namespace {

constexpr uint32_t kCheckOptions = 0x80000;
constexpr int32_t kReplySize = 50;

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

int16_t OpenNextLexicon(CheckSession& session, const std::string& path) {
  ++session.LexiconCount;
  const int16_t id = SE_OpenLex(session.Session, path.c_str(), -1);
  session.Lexicons[session.LexiconCount] = id;
  return id;
}

void CloseLexicons(CheckSession& session, int16_t count) {
  for (int16_t number = 1; number <= count; ++number) {
    SE_CloseLex(session.Session, session.Lexicons[number]);
  }
  SE_CloseSession(session.Session);
  session = CheckSession{};
}

}  // namespace

bool OpenCheckSession(CheckSession& session, const std::string& programDirectory,
                      const std::string& userListDirectory, bool americanDictionary,
                      const ShowMessageFn& showMessage, const Language& language) {
  session = CheckSession{};
  session.Session = SE_OpenSession();
  for (const std::string_view name : {language.ExclusionList, language.AdditionList}) {
    const std::string path = JoinPath(userListDirectory, std::string(name));
    if (FileExists(path)) OpenNextLexicon(session, path);
  }

  for (const std::string_view name : language.MainLexicons(!americanDictionary)) {
    if (OpenNextLexicon(session, JoinPath(programDirectory, std::string(name))) < 0) {
      showMessage(DictionaryFilesMessage(language), "Error");
      CloseLexicons(session, static_cast<int16_t>(session.LexiconCount - 1));
      return false;
    }
  }
  return true;
}

std::string DictionaryFilesMessage(const Language& language) {
  const std::string message = "Could not find one of the dictionary files.";
  // English, the game's first language, keeps the message it always had.
  if (&language == &English()) return message;
  return message + " (" + std::string(language.Name) + ")";
}

void CloseCheckSession(CheckSession& session) { CloseLexicons(session, session.LexiconCount); }

bool InSpeller(const CheckSession& session, const std::string& word) {
  // A NUL inside would make the engine judge only the part before it.
  if (word.find('\0') != std::string::npos) return false;
  char reply[kReplySize];
  const int32_t result =
      SE_CheckWord(session.Session, kCheckOptions, word.c_str(), reply, kReplySize);
  return (result & 1) == 0;
}
