#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "words/definitions/definition.h"
#include "words/definitions/dictzip_file.h"
#include "words/definitions/mapped_file.h"

// The collaborative dictionary as the dictionary server installs it: gcide.index (one
// "headword<TAB>offset<TAB>length" line per entry, numbers in base 64, sorted by the
// headword's letters, digits and blanks, case ignored) and gcide.dict.dz (the text,
// dictzip-compressed).
class Gcide {
 public:
  // Null when either file is missing, the text's header does not add up or the index
  // does not end with a whole entry.
  static std::unique_ptr<Gcide> Open(const std::string& folder);

  // The entries whose headword is `word` (lower case), at most kMaxEntries of them.
  std::vector<Definition> Define(std::string_view word) const;

  // Whether either file was seen not to add up since opening: an index line that does
  // not read or points outside the text, text that does not inflate, a file cut short
  // while open. What was found since cannot be trusted.
  bool Damaged() const;

  static constexpr std::size_t kMaxEntries = 3;

 private:
  std::unique_ptr<MappedFile> index_;
  std::unique_ptr<DictzipFile> text_;
  mutable bool damaged_ = false;
};

// One entry's text ("Head \Pro*nun"ci*a`tion\, n. [Etymology.] 1. Sense ...") as a
// definition of `headword`.
Definition DefinitionFromGcideEntry(std::string_view entry, std::string_view headword);
