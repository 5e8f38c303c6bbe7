#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "words/definitions/definition.h"
#include "words/definitions/dictzip_file.h"
#include "words/definitions/mapped_file.h"

// A translating dictionary of the FreeDict project as the dictionary server installs it:
// NAME.index (one "headword<TAB>offset<TAB>length" line per entry, in the server's own
// order, which no look-up here relies on) and NAME.dict.dz (the UTF-8 text,
// dictzip-compressed). Headwords are found by their folded form, the form a word takes on
// the board, so the board's COEUR finds the dictionary's "cœur": opening folds every
// headword of the index once and keeps a table sorted by the folded form's hash.
class FreeDict {
 public:
  // A headword (UTF-8) as the board spells it; empty when it cannot be a word of the
  // board (a blank, a digit, a letter outside the language's tiles).
  using HeadwordFold = std::function<std::string(std::string_view headword)>;

  enum class Status {
    Ok,
    Missing,  // either file is absent: the package is not installed
    Damaged,  // both are there, but a file cannot be read or does not add up
  };

  // Null, with the reason in `status`, unless both files open and every line of the
  // index is a well-formed index line.
  static std::unique_ptr<FreeDict> Open(const std::string& folder, const std::string& name,
                                        HeadwordFold fold, Status& status);

  // The entries whose headword folds to `folded`, in the index's order, entries of one
  // headword and part of speech as one definition; at most kMaxEntries entries are read.
  std::vector<Definition> Translate(std::string_view folded) const;

  // Whether an entry the index points to could not be read from the text.
  bool DamageFound() const { return damageFound_; }

  static constexpr std::size_t kMaxEntries = 16;

 private:
  struct Key {
    uint64_t Hash;
    uint32_t LineStart;
    auto operator<=>(const Key&) const = default;
  };

  FreeDict() = default;

  std::unique_ptr<MappedFile> index_;
  std::unique_ptr<DictzipFile> text_;
  HeadwordFold fold_;
  std::vector<Key> keys_;  // sorted
  mutable bool damageFound_ = false;
};

// One entry's text ("cœur /kœʁ/ <n, masc>", then a translation per line or numbered
// senses, with notes, examples and cross-references set in below) as a definition: the
// headword and the part of speech as the entry writes them, each translation a sense. In
// the game's Latin-1; ligatures outside it are written out (œ as "oe").
Definition DefinitionFromFreeDictEntry(std::string_view entry);

// The senses a definition of translations shows at most.
inline constexpr std::size_t kMaxTranslations = 6;
