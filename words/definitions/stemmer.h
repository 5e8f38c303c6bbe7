#pragma once

#include <string>
#include <vector>

// The base forms of inflected words from a spelling dictionary's own stemming ("Bären"
// -> "Bär", "élèves" -> "élève"), the way the word database's morphology serves English.
// The real one lives in a module loaded on first use; tests hand in their own.
class Stemmer {
 public:
  virtual ~Stemmer() = default;
  // The stems of `word`, both as UTF-8 in the language's own spelling; none when the
  // dictionary does not know the word.
  virtual std::vector<std::string> Stems(const std::string& word) = 0;
};
