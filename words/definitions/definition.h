#pragma once

#include <string>
#include <vector>

// What a dictionary says about one headword in one part of speech. Texts are single-byte
// (Latin-1), like every text of the game.
struct Sense {
  std::string Gloss;
  std::string Example;  // empty when the source gives none
};

struct Definition {
  std::string Headword;
  std::string PartOfSpeech;  // "noun", "verb" ... or the source's own abbreviation
  std::vector<Sense> Senses;
};

// Senses shown for one headword and part of speech: the most frequent come first.
inline constexpr std::size_t kMaxSenses = 3;
