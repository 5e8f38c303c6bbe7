#pragma once

// What Scramble deals from, besides a language's tiles and vowels: how readily each tile
// is accepted when drawn, and the word fragments the fragment modes seed.
//
// English has the game's own tables. Every other language's are made from its compiled
// lexicon by tools/make_letter_tables (letter_tables_xx.cpp, one file per language) and
// checked against a fresh run of it by a test.

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t kMaxTiles = 32;
inline constexpr std::size_t kFragmentCount = 45;

struct LetterTables {
  // Acceptance weight out of 10 of each tile, in the order of the language's tiles.
  std::array<int, kMaxTiles> Weights;
  std::array<std::string_view, kFragmentCount> Fragments;
};

extern const LetterTables kLettersEn;
extern const LetterTables kLettersDa;
extern const LetterTables kLettersDe;
extern const LetterTables kLettersEs;
extern const LetterTables kLettersFr;
extern const LetterTables kLettersIt;
extern const LetterTables kLettersNl;
extern const LetterTables kLettersPt;
extern const LetterTables kLettersSv;
