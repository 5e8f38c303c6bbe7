#include "words/user_word_list.h"

#include <filesystem>

#include "words/engine/spelling_engine.h"

namespace {

constexpr int16_t kLanguage = 0x409;
// Far more than a player types; a larger reported size is taken as a broken file.
constexpr int32_t kLargestListBytes = 64 * 1024 * 1024;

}  // namespace

std::vector<std::string> SplitLexiconWords(const char* buffer, std::size_t size) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i < size; ++i) {
    if (buffer[i] != '\0') {
      if (word.size() < kLongestListEntry) word.push_back(buffer[i]);
      continue;
    }
    if (!word.empty()) words.push_back(word);
    word.clear();
  }
  return words;
}

std::optional<std::vector<std::string>> ReadUserWordList(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return std::vector<std::string>{};

  const int16_t session = SE_OpenSession();
  const int16_t lexicon = SE_OpenLex(session, path.c_str(), -1);
  int32_t size = 0;
  int16_t kind = 0, language = 0, count = 0;
  std::optional<std::vector<std::string>> words;
  // A main lexicon opens too, but it is not the player's list.
  if (lexicon >= 0 && SE_GetLexInfo(session, lexicon, &size, &kind, &language, &count) >= 0 &&
      (kind == SE_KIND_ADDITION || kind == SE_KIND_EXCLUSION) && size >= 0 &&
      size <= kLargestListBytes) {
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int32_t filled = SE_GetLex(session, lexicon, buffer.data(), size);
    if (filled >= 0) words = SplitLexiconWords(buffer.data(), static_cast<std::size_t>(filled));
  }
  if (lexicon >= 0) SE_CloseLex(session, lexicon);
  SE_CloseSession(session);
  return words;
}

// No deleting beforehand: the engine replaces the file only once the new list is
// written in full, so a failed save keeps the old list.
bool WriteUserWordList(const std::string& path, int16_t kind,
                       const std::vector<std::string>& words) {
  // The player's data folder is made by the first list saved in it.
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);

  const int16_t session = SE_OpenSession();
  const int16_t lexicon = SE_CreateLex(session, path.c_str(), kind, kLanguage);
  bool saved = lexicon >= 0;
  if (saved) {
    for (const std::string& word : words) {
      if (SE_AddToLex(session, lexicon, word.c_str(), "") < 0) saved = false;
    }
    if (SE_CloseLex(session, lexicon) < 0) saved = false;
  }
  SE_CloseSession(session);
  return saved;
}
