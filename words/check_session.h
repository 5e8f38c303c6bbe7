#pragma once

// A spelling engine session holding the player's lists and the main lexicon pair of
// the chosen language, and the test of one word against it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct CheckSession {
  int16_t Session = 0;
  int16_t LexiconCount = 0;
  std::array<int16_t, 5> Lexicons{};  // numbered from 1, at most 4 used
};

using ShowMessageFn = std::function<void(const std::string& text, const std::string& caption)>;

struct Language;
const Language& English();

// Opens the language's exclusion list and addition list from `userListDirectory` when
// their files exist, then its main lexicons from `programDirectory` (for English the
// American or the British pair). When a main lexicon cannot be opened, shows
// DictionaryFilesMessage, closes what was opened, leaves `session` empty and answers
// false.
bool OpenCheckSession(CheckSession& session, const std::string& programDirectory,
                      const std::string& userListDirectory, bool americanDictionary,
                      const ShowMessageFn& showMessage, const Language& language = English());

// "Could not find one of the dictionary files.", naming the language unless it is English.
std::string DictionaryFilesMessage(const Language& language);

// Closes the lexicons in opening order, then the session; leaves `session` empty.
void CloseCheckSession(CheckSession& session);

// True when the engine accepts the word. A word longer than 50 characters is never
// accepted (it is not cut short and judged by its beginning).
bool InSpeller(const CheckSession& session, const std::string& word);
