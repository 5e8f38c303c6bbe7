#pragma once

// The languages the game is played in: one row each, and everything that differs
// between them is a field of the row. A ninth language whose letters fit Latin-1 is one
// more row, one recipe in tools/CMakeLists.txt and its generated letter tables.
//
// Texts are Latin-1 bytes. Tiles are capitals: A-Z and the Latin-1 capitals the
// language's own word games use as tiles (Ä = 0xC4, Ñ = 0xD1, Æ = 0xC6, ...).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/letter_tables.h"

// How a typed word becomes a guess.
enum class Folding {
  // Letters a-z are made capital and nothing is refused: English, as it always was.
  AsciiCapitals,
  // Every letter becomes the language's tiles (below); a character that cannot is refused.
  ToTiles,
};

struct Language {
  // Short and stable: it travels in board codes, history rows, settings and messages.
  std::string_view Code;
  std::string_view Name;      // as shown: "Deutsch"
  std::string_view MenuText;  // its radio item: "De&utsch"
  // The language id written into the compiled lexicon's header and the player's lists.
  uint16_t LexiconLanguage;
  Folding Typing;
  // Every tile, capitals; a letter that is no tile loses its accent (É -> E) or is
  // written out (ß -> SS, Œ -> OE, Æ -> AE, Ĳ -> IJ) when a list is compiled and when a
  // word is typed.
  std::string_view Tiles;
  std::string_view Vowels;  // the tiles Scramble treats as vowels
  const LetterTables* Letters;
  // A word list entry beginning with a capital is a name and left out, unless the
  // language writes its common nouns with one.
  bool CapitalisedEntriesKept;
  // A dealt board with too few words is dealt again (PlayableWordCounts).
  bool RedealsSparseBoards;

  // The main lexicons a check session opens, in the program's folder. A language with a
  // choice of dictionary has a second pair, chosen by the dictionary menu item.
  std::array<std::string_view, 2> Lexicons;
  std::array<std::string_view, 2> OtherLexicons;
  // Each folded word's spellings in the language, beside the lexicon; empty for none.
  std::string_view Spellings;
  // The player's addition and exclusion lists, in the user's data folder.
  std::string_view AdditionList;
  std::string_view ExclusionList;

  // Where the words and their meanings come from (Debian packages).
  std::string_view WordListPackage;
  std::string_view FreeDict;  // the dictd name: "freedict-deu-eng"; empty for none
  std::string_view FreeDictPackage;
  std::string_view Hunspell;  // the dictionary name: "de_DE"; empty for none
  std::string_view HunspellPackage;

  bool HasDictionaryChoice() const { return !OtherLexicons[0].empty(); }
  // The main lexicons in use: the first pair unless the other dictionary is chosen.
  std::span<const std::string_view> MainLexicons(bool otherDictionary) const;
};

// Every language, English first; the order of the Language menu.
std::span<const Language> Languages();
const Language& English();
// Case-insensitive; nothing for an unknown code.
const Language* FindLanguage(std::string_view code);

// ---- Folding ----

// The tiles `letter` (a Unicode code point, either case) is written with in `language`:
// "" when it cannot be written with them (a digit, an apostrophe, a letter of another
// alphabet, a letter whose base is no tile).
std::string FoldLetter(const Language& language, char32_t letter);
// The word in tiles, or nothing when a character of it cannot be folded.
std::optional<std::string> FoldWord(const Language& language, std::u32string_view word);
// A word list entry as the lexicon holds it (lower case), or nothing when it is left
// out: a name (a capital first, unless the language keeps those), or a letter that
// cannot be folded.
std::optional<std::string> LexiconWord(const Language& language, std::u32string_view entry);
// The same for a word of Latin-1 bytes, as typed.
std::optional<std::string> FoldLatin1Word(const Language& language, std::string_view word);

bool IsTile(const Language& language, char letter);
