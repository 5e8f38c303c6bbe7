#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "words/definitions/definition.h"
#include "words/definitions/mapped_file.h"
#include "words/definitions/wordnet_morphology.h"

// The word database's own files in one folder (index.noun, data.noun, noun.exc and the
// same for verb, adj and adv), mapped and read in place. An index is sorted, so a look-up
// is a binary search; a data line is reached by the byte offset the index gives and must
// begin with that offset, so a damaged file gives no definition rather than a wrong one.
class WordNet {
 public:
  // Null when the folder holds no index of any part of speech, or when a part's files do
  // not end as the database's files do (cut short, or not the database's at all).
  static std::unique_ptr<WordNet> Open(const std::string& folder);
  // Whether any of the files was seen not to add up since opening: an index pointing
  // where no entry of its own is, or a file cut short while open. What was found since
  // cannot be trusted.
  bool Damaged() const;

  // The definitions of `word` (lower case) and of its base forms, noun first.
  std::vector<Definition> Define(std::string_view word) const;

  // Whether some part of speech has `lemma` in its index.
  bool Holds(std::string_view lemma) const;

 private:
  struct PartFiles {
    std::unique_ptr<MappedFile> Index, Data, Exceptions;
  };
  static std::string_view Text(const std::unique_ptr<MappedFile>& file);
  std::vector<Sense> Senses(const PartFiles& files, std::string_view lemma) const;

  std::array<PartFiles, 4> parts_;
  mutable bool damaged_ = false;
};
