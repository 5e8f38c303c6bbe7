#include "words/language.h"

#include <algorithm>
#include <array>

#include "base/latin1.h"
#include "words/user_word_list.h"

namespace {

constexpr std::string_view kAtoZ = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
#define TOLVANE_A_TO_Z "ABCDEFGHIJKLMNOPQRSTUVWXYZ"

const std::array kLanguages = {
    Language{.Code = "en",
             .Name = "English",
             .MenuText = "&English",
             .LexiconLanguage = 0x409,
             .Typing = Folding::AsciiCapitals,
             .Tiles = kAtoZ,
             .Vowels = "AEIOU",
             .Letters = &kLettersEn,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = false,
             .Lexicons = {"SPELAMC.TLX", "SPELAMM.CLX"},
             .OtherLexicons = {"SPELBRC.TLX", "SPELBRM.CLX"},
             .Spellings = "",
             .AdditionList = kAdditionListFile,
             .ExclusionList = kExclusionListFile,
             .WordListPackage = "scowl",
             .FreeDict = "",
             .FreeDictPackage = "",
             .Hunspell = "",
             .HunspellPackage = ""},
    Language{.Code = "da",
             .Name = "Dansk",
             .MenuText = "&Dansk",
             .LexiconLanguage = 0x406,
             .Typing = Folding::ToTiles,
             .Tiles = TOLVANE_A_TO_Z "\xC6\xD8\xC5",  // Æ Ø Å
             .Vowels = "AEIOUY\xC6\xD8\xC5",
             .Letters = &kLettersDa,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELDA.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELDA.SPL",
             .AdditionList = "ADDITION-DA.TLX",
             .ExclusionList = "EXCLUDE-DA.TLX",
             .WordListPackage = "wdanish",
             .FreeDict = "freedict-dan-eng",
             .FreeDictPackage = "dict-freedict-dan-eng",
             .Hunspell = "da_DK",
             .HunspellPackage = "hunspell-da"},
    Language{.Code = "de",
             .Name = "Deutsch",
             .MenuText = "De&utsch",
             .LexiconLanguage = 0x407,
             .Typing = Folding::ToTiles,
             .Tiles = TOLVANE_A_TO_Z "\xC4\xD6\xDC",  // Ä Ö Ü
             .Vowels = "AEIOU\xC4\xD6\xDC",
             .Letters = &kLettersDe,
             .CapitalisedEntriesKept = true,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELDE.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELDE.SPL",
             .AdditionList = "ADDITION-DE.TLX",
             .ExclusionList = "EXCLUDE-DE.TLX",
             .WordListPackage = "wngerman",
             .FreeDict = "freedict-deu-eng",
             .FreeDictPackage = "dict-freedict-deu-eng",
             .Hunspell = "de_DE",
             .HunspellPackage = "hunspell-de-de"},
    Language{.Code = "es",
             .Name = "Espa\xF1ol",
             .MenuText = "E&spa\xF1ol",
             .LexiconLanguage = 0x40A,
             .Typing = Folding::ToTiles,
             .Tiles = TOLVANE_A_TO_Z "\xD1",  // Ñ
             .Vowels = "AEIOU",
             .Letters = &kLettersEs,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELES.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELES.SPL",
             .AdditionList = "ADDITION-ES.TLX",
             .ExclusionList = "EXCLUDE-ES.TLX",
             .WordListPackage = "hunspell-es",
             .FreeDict = "freedict-spa-eng",
             .FreeDictPackage = "dict-freedict-spa-eng",
             .Hunspell = "es_ES",
             .HunspellPackage = "hunspell-es"},
    Language{.Code = "fr",
             .Name = "Fran\xE7"
                     "ais",
             .MenuText = "&Fran\xE7"
                         "ais",
             .LexiconLanguage = 0x40C,
             .Typing = Folding::ToTiles,
             .Tiles = kAtoZ,
             .Vowels = "AEIOUY",
             .Letters = &kLettersFr,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELFR.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELFR.SPL",
             .AdditionList = "ADDITION-FR.TLX",
             .ExclusionList = "EXCLUDE-FR.TLX",
             .WordListPackage = "wfrench",
             .FreeDict = "freedict-fra-eng",
             .FreeDictPackage = "dict-freedict-fra-eng",
             .Hunspell = "fr_FR",
             .HunspellPackage = "hunspell-fr"},
    Language{.Code = "it",
             .Name = "Italiano",
             .MenuText = "&Italiano",
             .LexiconLanguage = 0x410,
             .Typing = Folding::ToTiles,
             .Tiles = kAtoZ,
             .Vowels = "AEIOU",
             .Letters = &kLettersIt,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELIT.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELIT.SPL",
             .AdditionList = "ADDITION-IT.TLX",
             .ExclusionList = "EXCLUDE-IT.TLX",
             .WordListPackage = "witalian",
             .FreeDict = "freedict-ita-eng",
             .FreeDictPackage = "dict-freedict-ita-eng",
             .Hunspell = "it_IT",
             .HunspellPackage = "hunspell-it"},
    Language{.Code = "nl",
             .Name = "Nederlands",
             .MenuText = "&Nederlands",
             .LexiconLanguage = 0x413,
             .Typing = Folding::ToTiles,
             .Tiles = kAtoZ,
             .Vowels = "AEIOU",
             .Letters = &kLettersNl,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELNL.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELNL.SPL",
             .AdditionList = "ADDITION-NL.TLX",
             .ExclusionList = "EXCLUDE-NL.TLX",
             .WordListPackage = "wdutch",
             .FreeDict = "freedict-nld-eng",
             .FreeDictPackage = "dict-freedict-nld-eng",
             .Hunspell = "nl",
             .HunspellPackage = "hunspell-nl"},
    Language{.Code = "pt",
             .Name = "Portugu\xEAs",
             .MenuText = "&Portugu\xEAs",
             .LexiconLanguage = 0x816,
             .Typing = Folding::ToTiles,
             .Tiles = kAtoZ,
             .Vowels = "AEIOU",
             .Letters = &kLettersPt,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELPT.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELPT.SPL",
             .AdditionList = "ADDITION-PT.TLX",
             .ExclusionList = "EXCLUDE-PT.TLX",
             .WordListPackage = "wportuguese",
             .FreeDict = "freedict-por-eng",
             .FreeDictPackage = "dict-freedict-por-eng",
             .Hunspell = "pt_PT",
             .HunspellPackage = "hunspell-pt-pt"},
    Language{.Code = "sv",
             .Name = "Svenska",
             .MenuText = "S&venska",
             .LexiconLanguage = 0x41D,
             .Typing = Folding::ToTiles,
             .Tiles = TOLVANE_A_TO_Z "\xC5\xC4\xD6",  // Å Ä Ö
             .Vowels = "AEIOUY\xC5\xC4\xD6",
             .Letters = &kLettersSv,
             .CapitalisedEntriesKept = false,
             .RedealsSparseBoards = true,
             .Lexicons = {"SPELSV.CLX", ""},
             .OtherLexicons = {"", ""},
             .Spellings = "SPELSV.SPL",
             .AdditionList = "ADDITION-SV.TLX",
             .ExclusionList = "EXCLUDE-SV.TLX",
             .WordListPackage = "wswedish",
             .FreeDict = "freedict-swe-eng",
             .FreeDictPackage = "dict-freedict-swe-eng",
             .Hunspell = "sv_SE",
             .HunspellPackage = "hunspell-sv"},
};

#undef TOLVANE_A_TO_Z

// The capital of a letter, as far as it has one: Latin-1, plus the few letters beyond it
// that the word lists hold (œ, ĳ, ÿ).
char32_t Capital(char32_t letter) {
  if (letter < 0x100) {
    const char byte = static_cast<char>(letter);
    if (letter == 0xFF) return 0x178;  // ÿ -> Ÿ
    return static_cast<unsigned char>(Latin1Upper(byte));
  }
  if (letter == 0x153 || letter == 0x133) return letter - 1;  // œ -> Œ, ĳ -> Ĳ
  return letter;
}

bool IsCapital(char32_t letter) {
  if (letter < 0x100) return IsLatin1Capital(static_cast<char>(letter));
  return letter == 0x152 || letter == 0x132 || letter == 0x178 || letter == 0x1E9E;
}

// How a capital that is no tile is written: without its accent, or spelt out.
std::string_view WrittenOut(char32_t capital) {
  static constexpr std::array<std::string_view, 32> kLatin1 = {
      "A", "A", "A", "A", "A", "A", "AE", "C",   // À Á Â Ã Ä Å Æ Ç
      "E", "E", "E", "E", "I", "I", "I",  "I",   // È É Ê Ë Ì Í Î Ï
      "D", "N", "O", "O", "O", "O", "O",  "",    // Ð Ñ Ò Ó Ô Õ Ö ×
      "O", "U", "U", "U", "U", "Y", "TH", "SS",  // Ø Ù Ú Û Ü Ý Þ ß
  };
  if (capital >= 0xC0 && capital <= 0xDF) return kLatin1[capital - 0xC0];
  switch (capital) {
    case 0x152:
      return "OE";  // Œ
    case 0x132:
      return "IJ";  // Ĳ
    case 0x178:
      return "Y";  // Ÿ
    case 0x1E9E:
      return "SS";  // ẞ
    default:
      return "";
  }
}

}  // namespace

std::span<const std::string_view> Language::MainLexicons(bool otherDictionary) const {
  const auto& pair = otherDictionary && HasDictionaryChoice() ? OtherLexicons : Lexicons;
  return {pair.data(), pair[1].empty() ? 1u : 2u};
}

std::span<const Language> Languages() { return kLanguages; }

const Language& English() { return kLanguages.front(); }

const Language* FindLanguage(std::string_view code) {
  for (const Language& language : kLanguages) {
    if (code.size() == language.Code.size() &&
        std::equal(code.begin(), code.end(), language.Code.begin(),
                   [](char a, char b) { return Latin1Lower(a) == Latin1Lower(b); }))
      return &language;
  }
  return nullptr;
}

bool IsTile(const Language& language, char letter) {
  return letter != '\0' && language.Tiles.find(letter) != std::string_view::npos;
}

std::string FoldLetter(const Language& language, char32_t letter) {
  const char32_t capital = Capital(letter);
  if (capital < 0x100 && IsTile(language, static_cast<char>(capital)))
    return std::string(1, static_cast<char>(capital));
  const std::string_view written = WrittenOut(capital);
  for (const char c : written)
    if (!IsTile(language, c)) return "";
  return std::string(written);
}

std::optional<std::string> FoldWord(const Language& language, std::u32string_view word) {
  std::string folded;
  folded.reserve(word.size());
  for (const char32_t letter : word) {
    const std::string tiles = FoldLetter(language, letter);
    if (tiles.empty()) return std::nullopt;
    folded += tiles;
  }
  return folded;
}

std::optional<std::string> LexiconWord(const Language& language, std::u32string_view entry) {
  if (entry.empty()) return std::nullopt;
  if (IsCapital(entry.front()) && !language.CapitalisedEntriesKept) return std::nullopt;
  auto folded = FoldWord(language, entry);
  if (!folded) return std::nullopt;
  return Latin1LowerCopy(*folded);
}

std::optional<std::string> FoldLatin1Word(const Language& language, std::string_view word) {
  std::u32string letters;
  letters.reserve(word.size());
  for (const char c : word) letters.push_back(static_cast<unsigned char>(c));
  return FoldWord(language, letters);
}
