#include "words/board_words.h"

#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"

const std::vector<BoardWord>& BoardWords::Of(const LetterGrid& grid, const CheckSession& session,
                                             int32_t minimumWordLength,
                                             bool repeatingLettersAllowed) {
  SessionWords words;
  if (!SE_GetSessionWords(session.Session, words)) {
    static const std::vector<BoardWord> kNone;
    return kNone;
  }
  Key key{grid, minimumWordLength, repeatingLettersAllowed, {}, words.Listed, words.Excluded};
  for (const CompiledLexicon* lexicon : words.Compiled)
    key.LexiconChecksums.push_back(lexicon->Checksum());
  if (key_ != key) {
    words_ = FindWords(grid, words, minimumWordLength, repeatingLettersAllowed);
    key_ = std::move(key);
    ++searches_;
  }
  return words_;
}
