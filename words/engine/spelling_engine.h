#pragma once

// The spelling engine: sessions holding lexicons, and the check of one word against all
// lexicons of a session. Ids are signed 16-bit; a negative id or result is a failure.
// One thread only: the session table is process-wide and unlocked.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/latin1.h"

// Kinds of user lists made by SE_CreateLex.
constexpr int16_t SE_KIND_ADDITION = 1;
constexpr int16_t SE_KIND_EXCLUSION = 3;
// What SE_GetLexInfo reports as the kind of a compiled (main) lexicon.
constexpr int16_t SE_KIND_MAIN = 0;

// Bit 0 of the result of SE_CheckWord.
constexpr int32_t SE_WORD_NOT_FOUND = 1;

// Failures; every one is negative.
constexpr int32_t SE_ERROR_NO_SESSION = -1;
constexpr int32_t SE_ERROR_NO_LEXICON = -2;
constexpr int32_t SE_ERROR_BAD_ARGUMENT = -3;
constexpr int32_t SE_ERROR_CANNOT_OPEN = -4;
constexpr int32_t SE_ERROR_BAD_FILE = -5;
constexpr int32_t SE_ERROR_READ_ONLY = -6;
constexpr int32_t SE_ERROR_SAVE_FAILED = -7;
constexpr int32_t SE_ERROR_TOO_MANY = -8;

// A new session id, or SE_ERROR_TOO_MANY.
int16_t SE_OpenSession();

// Opens a lexicon file of either format; `mode` is accepted for the callers' sake and
// not used. A missing, unreadable, truncated or corrupt file gives a negative id.
int16_t SE_OpenLex(int16_t session, const char* path, int16_t mode);

// Bit 0 of the result is set when the word is not found. A word held by an exclusion
// list is never found; otherwise it is found when any lexicon of the session holds it.
// The case of Latin-1 letters is ignored (ä matches Ä); a word longer than 50 characters is never
// found. The reply, when given, is set to the empty string.
int32_t SE_CheckWord(int16_t session, uint32_t options, const char* word, char* reply,
                     int32_t replySize);

// A new, empty user list of the given kind (SE_KIND_ADDITION or SE_KIND_EXCLUSION),
// open for adding. The file at `path` is written, whole, when the lexicon is closed.
int16_t SE_CreateLex(int16_t session, const char* path, int16_t kind, int16_t language);

// Appends a word, as given, to a user list. `secondWord` is accepted and not used.
// A word must be non-empty and hold no line break.
int32_t SE_AddToLex(int16_t session, int16_t lexicon, const char* word, const char* secondWord);

// `size`: the bytes SE_GetLex needs for the words added to a user list (0 for a compiled
// lexicon). The other three, when given: the kind, the language and the number of
// words (at most 32767).
int32_t SE_GetLexInfo(int16_t session, int16_t lexicon, int32_t* size, int16_t* kind,
                      int16_t* language, int16_t* wordCount);

// Fills `buffer` with the words of a user list in the order added, each ended by a NUL
// byte; only whole words that fit are written. The result is the number of bytes written.
int32_t SE_GetLex(int16_t session, int16_t lexicon, char* buffer, int32_t size);

// Closes a lexicon; a user list that was created or added to is saved first. A failed
// save gives SE_ERROR_SAVE_FAILED and leaves the file as it was before.
int32_t SE_CloseLex(int16_t session, int16_t lexicon);

// Closes every lexicon still open in the session (as SE_CloseLex), then the session.
// The result is negative when any of those saves failed.
int32_t SE_CloseSession(int16_t session);

// ---- Every word of a session at once, for walking them by their beginnings ----

class CompiledLexicon;

// No longer word is ever found: it is not cut short and judged by its beginning.
inline constexpr std::size_t kLongestCheckedWord = 50;

// What a session holds, as SE_CheckWord judges it: a word is found when a compiled
// lexicon or `Listed` holds it, it is not `Excluded` and it has at most
// kLongestCheckedWord characters. Words here are folded to the engine's case (SessionWords::Fold).
// The lexicons belong to the session: valid until it or one of them is closed.
struct SessionWords {
  std::vector<const CompiledLexicon*> Compiled;
  std::vector<std::string> Listed;    // the user lists that add words: sorted, unique
  std::vector<std::string> Excluded;  // the exclusion lists: sorted, unique
  static char Fold(char c) { return Latin1Lower(c); }
};

// False, with `words` left empty, when there is no such session.
bool SE_GetSessionWords(int16_t session, SessionWords& words);
