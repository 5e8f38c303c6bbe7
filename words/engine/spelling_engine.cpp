#include "words/engine/spelling_engine.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/file_reader.h"
#include "base/replace_file.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/user_list_file.h"

namespace {

std::string FoldCase(std::string_view word) {
  std::string folded(word);
  for (char& c : folded) c = SessionWords::Fold(c);
  return folded;
}

struct Lexicon {
  std::unique_ptr<CompiledLexicon> Main;  // set for a compiled lexicon

  // A user list: its words as added.
  UserList List;
  std::size_t WordBytes = 0;  // what SE_GetLex needs: each word and its NUL
  std::string Path;
  bool Unsaved = false;

  bool Holds(std::string_view foldedWord) const {
    if (Main) return Main->Contains(foldedWord);
    return Folded().count(std::string(foldedWord)) != 0;
  }
  // A user list's words folded for checking, made at the first check: a list opened to
  // be shown or saved never needs them, and for a list of millions they take seconds.
  const std::unordered_set<std::string>& Folded() const {
    if (!folded_) {
      folded_.emplace();
      folded_->reserve(List.Words.size());
      for (const std::string& word : List.Words) folded_->insert(FoldCase(word));
    }
    return *folded_;
  }
  bool IsExclusion() const { return !Main && List.Kind == SE_KIND_EXCLUSION; }

  void Add(std::string word) {
    if (folded_) folded_->insert(FoldCase(word));
    WordBytes += word.size() + 1;
    List.Words.push_back(std::move(word));
  }

 private:
  mutable std::optional<std::unordered_set<std::string>> folded_;
};

struct Session {
  std::map<int16_t, Lexicon> Lexicons;  // ordered by id, so closing goes in opening order
  int16_t LastLexiconId = 0;
};

std::map<int16_t, Session>& Sessions() {
  static std::map<int16_t, Session> sessions;
  return sessions;
}

// The next positive id after `last` that `table` does not use, wrapping after 32767;
// 0 when every id is taken.
template <typename Table>
int16_t NextFreeId(const Table& table, int16_t& last) {
  for (int tries = 0; tries < 32767; ++tries) {
    last = static_cast<int16_t>(last == 32767 ? 1 : last + 1);
    if (table.count(last) == 0) return last;
  }
  return 0;
}

Session* FindSession(int16_t id) {
  auto found = Sessions().find(id);
  return found == Sessions().end() ? nullptr : &found->second;
}

Lexicon* FindLexicon(int16_t sessionId, int16_t lexiconId) {
  Session* session = FindSession(sessionId);
  if (session == nullptr) return nullptr;
  auto found = session->Lexicons.find(lexiconId);
  return found == session->Lexicons.end() ? nullptr : &found->second;
}

int16_t AddLexicon(Session& session, Lexicon lexicon) {
  const int16_t id = NextFreeId(session.Lexicons, session.LastLexiconId);
  if (id == 0) return SE_ERROR_TOO_MANY;
  session.Lexicons.emplace(id, std::move(lexicon));
  return id;
}

// A lexicon read from `path`, or a negative error.
int32_t LoadLexicon(const char* path, Lexicon& lexicon) {
  const ReadableFile file(path);
  std::string start;
  if (!file.ReadStart(kCompiledLexiconMagic.size(), start)) return SE_ERROR_CANNOT_OPEN;

  if (start == kCompiledLexiconMagic) {
    lexicon.Main = CompiledLexicon::Map(file);
    return lexicon.Main ? 0 : SE_ERROR_BAD_FILE;
  }
  // A list read only in part could turn a word from valid to invalid or back, so a list
  // is taken whole or not at all.
  std::string bytes;
  if (file.Size() > kMaxUserListBytes || !file.ReadStart(kMaxUserListBytes + 1, bytes) ||
      bytes.size() > kMaxUserListBytes) {
    return SE_ERROR_BAD_FILE;
  }
  auto list = ParseUserList(bytes);
  if (!list) return SE_ERROR_BAD_FILE;
  lexicon.List.Kind = list->Kind;
  lexicon.List.Language = list->Language;
  lexicon.List.Words.reserve(list->Words.size());
  for (std::string& word : list->Words) lexicon.Add(std::move(word));
  lexicon.Path = path;
  return 0;
}

int32_t SaveIfChanged(Lexicon& lexicon) {
  if (!lexicon.Unsaved) return 0;
  const std::string bytes = UserListBytes(lexicon.List);
  if (ReplaceFileContents(lexicon.Path, bytes.data(), bytes.size()) != ReplaceFileResult::Ok) {
    return SE_ERROR_SAVE_FAILED;
  }
  lexicon.Unsaved = false;
  return 0;
}

}  // namespace

int16_t SE_OpenSession() {
  static int16_t lastSessionId = 0;
  const int16_t id = NextFreeId(Sessions(), lastSessionId);
  if (id == 0) return SE_ERROR_TOO_MANY;
  Sessions().emplace(id, Session{});
  return id;
}

int16_t SE_OpenLex(int16_t session, const char* path, int16_t /*mode*/) {
  Session* owner = FindSession(session);
  if (owner == nullptr) return SE_ERROR_NO_SESSION;
  if (path == nullptr) return SE_ERROR_BAD_ARGUMENT;
  Lexicon lexicon;
  const int32_t loaded = LoadLexicon(path, lexicon);
  if (loaded < 0) return static_cast<int16_t>(loaded);
  return AddLexicon(*owner, std::move(lexicon));
}

int32_t SE_CheckWord(int16_t session, uint32_t /*options*/, const char* word, char* reply,
                     int32_t replySize) {
  if (reply != nullptr && replySize > 0) reply[0] = '\0';
  const Session* owner = FindSession(session);
  if (owner == nullptr || word == nullptr) return SE_WORD_NOT_FOUND;
  const std::size_t length = ::strnlen(word, kLongestCheckedWord + 1);
  if (length == 0 || length > kLongestCheckedWord) return SE_WORD_NOT_FOUND;

  const std::string folded = FoldCase(std::string_view(word, length));
  bool found = false;
  for (const auto& [id, lexicon] : owner->Lexicons) {
    if (!lexicon.Holds(folded)) continue;
    if (lexicon.IsExclusion()) return SE_WORD_NOT_FOUND;
    found = true;
  }
  return found ? 0 : SE_WORD_NOT_FOUND;
}

int16_t SE_CreateLex(int16_t session, const char* path, int16_t kind, int16_t language) {
  Session* owner = FindSession(session);
  if (owner == nullptr) return SE_ERROR_NO_SESSION;
  if (path == nullptr || *path == '\0' || language < 0 ||
      (kind != SE_KIND_ADDITION && kind != SE_KIND_EXCLUSION)) {
    return SE_ERROR_BAD_ARGUMENT;
  }
  Lexicon lexicon;
  lexicon.List.Kind = kind;
  lexicon.List.Language = language;
  lexicon.Path = path;
  // Nothing is written yet: the old file stays until the new list is saved whole.
  lexicon.Unsaved = true;
  return AddLexicon(*owner, std::move(lexicon));
}

int32_t SE_AddToLex(int16_t session, int16_t lexicon, const char* word,
                    const char* /*secondWord*/) {
  Lexicon* list = FindLexicon(session, lexicon);
  if (list == nullptr) return SE_ERROR_NO_LEXICON;
  if (list->Main) return SE_ERROR_READ_ONLY;
  if (word == nullptr || !IsStorableWord(word)) return SE_ERROR_BAD_ARGUMENT;
  const std::size_t length = std::strlen(word);
  // Room for the header lines too, so that the saved file can be read back.
  if (list->WordBytes + length + 1 > kMaxUserListBytes - 64) return SE_ERROR_TOO_MANY;
  list->Add(std::string(word, length));
  list->Unsaved = true;
  return 0;
}

int32_t SE_GetLexInfo(int16_t session, int16_t lexicon, int32_t* size, int16_t* kind,
                      int16_t* language, int16_t* wordCount) {
  const Lexicon* found = FindLexicon(session, lexicon);
  if (found == nullptr) return SE_ERROR_NO_LEXICON;
  const uint32_t words =
      found->Main ? found->Main->WordCount() : static_cast<uint32_t>(found->List.Words.size());
  if (size != nullptr) *size = static_cast<int32_t>(found->WordBytes);
  if (kind != nullptr) *kind = found->Main ? SE_KIND_MAIN : found->List.Kind;
  if (language != nullptr) {
    *language =
        static_cast<int16_t>(found->Main ? found->Main->Language() & 0x7FFF : found->List.Language);
  }
  if (wordCount != nullptr) *wordCount = static_cast<int16_t>(words > 32767 ? 32767 : words);
  return 0;
}

int32_t SE_GetLex(int16_t session, int16_t lexicon, char* buffer, int32_t size) {
  const Lexicon* found = FindLexicon(session, lexicon);
  if (found == nullptr) return SE_ERROR_NO_LEXICON;
  if (size < 0 || (buffer == nullptr && size > 0)) return SE_ERROR_BAD_ARGUMENT;
  std::size_t written = 0;
  for (const std::string& word : found->List.Words) {
    if (written + word.size() + 1 > static_cast<std::size_t>(size)) break;
    std::memcpy(buffer + written, word.data(), word.size());
    written += word.size();
    buffer[written++] = '\0';
  }
  return static_cast<int32_t>(written);
}

int32_t SE_CloseLex(int16_t session, int16_t lexicon) {
  Session* owner = FindSession(session);
  if (owner == nullptr) return SE_ERROR_NO_SESSION;
  auto found = owner->Lexicons.find(lexicon);
  if (found == owner->Lexicons.end()) return SE_ERROR_NO_LEXICON;
  const int32_t saved = SaveIfChanged(found->second);
  owner->Lexicons.erase(found);
  return saved;
}

int32_t SE_CloseSession(int16_t session) {
  auto found = Sessions().find(session);
  if (found == Sessions().end()) return SE_ERROR_NO_SESSION;
  int32_t result = 0;
  for (auto& [id, lexicon] : found->second.Lexicons) {
    if (SaveIfChanged(lexicon) < 0) result = SE_ERROR_SAVE_FAILED;
  }
  Sessions().erase(found);
  return result;
}

bool SE_GetSessionWords(int16_t session, SessionWords& words) {
  words = SessionWords{};
  const Session* owner = FindSession(session);
  if (owner == nullptr) return false;
  for (const auto& [id, lexicon] : owner->Lexicons) {
    if (lexicon.Main) {
      words.Compiled.push_back(lexicon.Main.get());
      continue;
    }
    auto& into = lexicon.IsExclusion() ? words.Excluded : words.Listed;
    into.insert(into.end(), lexicon.Folded().begin(), lexicon.Folded().end());
  }
  for (auto* list : {&words.Listed, &words.Excluded}) {
    std::sort(list->begin(), list->end());
    list->erase(std::unique(list->begin(), list->end()), list->end());
  }
  return true;
}
