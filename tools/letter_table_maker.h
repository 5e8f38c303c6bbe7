#pragma once

// Derives a language's Scramble tables from the words of its compiled lexicon, and
// writes them as the C++ source checked in as game/letter_tables_<code>.cpp.
//
// Weights: each tile's share of all letters of the lexicon's words, scaled so that the
// commonest tile weighs 10, rounded, at least 1. (Flatter weights, the square root or
// the 0.75th power of the shares, dealt boards with fewer words in every language:
// bench/playable_boards.)
// Fragments: of the 2- to 4-letter pieces of the words of 3 to 8 letters (the words a
// board holds) with at most 2 vowels and at least one consonant, the 45 that cover the
// most letters: how many words hold the piece times its length. Ties go alphabetically.

#include <string>

#include "game/letter_tables.h"

class CompiledLexicon;
struct Language;

// The source file of the tables, defining kLetters<Code> ("kLettersDe").
std::string LetterTablesSource(const Language& language, const CompiledLexicon& lexicon);
