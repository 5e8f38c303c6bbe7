#include "tools/letter_table_maker.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "base/latin1.h"
#include "words/engine/compiled_lexicon.h"
#include "words/language.h"

namespace {

constexpr std::size_t kShortestBoardWord = 3;
constexpr std::size_t kLongestBoardWord = 8;

std::array<int, kMaxTiles> Weights(const Language& language, const CompiledLexicon& lexicon) {
  std::array<uint64_t, kMaxTiles> counts{};
  for (uint32_t i = 0; i < lexicon.WordCount(); ++i) {
    for (const char letter : lexicon.WordAt(i)) {
      const std::size_t tile = language.Tiles.find(Latin1Upper(letter));
      if (tile != std::string_view::npos) ++counts[tile];
    }
  }
  const uint64_t most = std::max<uint64_t>(1, *std::max_element(counts.begin(), counts.end()));
  std::array<int, kMaxTiles> weights{};
  for (std::size_t tile = 0; tile < language.Tiles.size(); ++tile) {
    const double scaled = 10.0 * static_cast<double>(counts[tile]) / static_cast<double>(most);
    weights[tile] = std::max(1, static_cast<int>(std::lround(scaled)));
  }
  return weights;
}

bool UsefulFragment(const Language& language, std::string_view fragment) {
  const auto vowels = std::ranges::count_if(
      fragment, [&](char c) { return language.Vowels.find(c) != std::string_view::npos; });
  return vowels <= 2 && vowels < static_cast<long>(fragment.size());
}

std::vector<std::string> Fragments(const Language& language, const CompiledLexicon& lexicon) {
  std::map<std::string, uint64_t> wordsHolding;
  for (uint32_t i = 0; i < lexicon.WordCount(); ++i) {
    const std::string word = Latin1UpperCopy(lexicon.WordAt(i));
    if (word.size() < kShortestBoardWord || word.size() > kLongestBoardWord) continue;
    std::set<std::string_view> pieces;
    for (std::size_t length = 2; length <= 4; ++length)
      for (std::size_t at = 0; at + length <= word.size(); ++at)
        pieces.insert(std::string_view(word).substr(at, length));
    for (const std::string_view piece : pieces)
      if (UsefulFragment(language, piece)) ++wordsHolding[std::string(piece)];
  }
  std::vector<std::pair<uint64_t, std::string>> ranked;
  for (const auto& [piece, words] : wordsHolding) ranked.emplace_back(words * piece.size(), piece);
  std::ranges::sort(ranked, [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  std::vector<std::string> best;
  for (std::size_t i = 0; i < kFragmentCount && i < ranked.size(); ++i)
    best.push_back(ranked[i].second);
  return best;
}

// A Latin-1 text as a C++ string literal: bytes above 127 as \xNN, closing the literal
// after one so that a following letter is not read as a hex digit.
std::string Literal(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  bool afterEscape = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      if (afterEscape) out += "\" \"";
      out += c;
      afterEscape = false;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
      afterEscape = true;
    }
  }
  return out + "\"";
}

}  // namespace

std::string LetterTablesSource(const Language& language, const CompiledLexicon& lexicon) {
  const std::array<int, kMaxTiles> weights = Weights(language, lexicon);
  const std::vector<std::string> fragments = Fragments(language, lexicon);
  std::string code(language.Code);
  code[0] = Latin1Upper(code[0]);
  std::string out = "// Made by tools/make_letter_tables from " +
                    std::string(language.Lexicons[0]) +
                    ": do not edit.\n// clang-format off\n"
                    "// Scramble's tables for " +
                    std::string(language.Code) + ".\n\n#include \"game/letter_tables.h\"\n\n" +
                    "// Weight of each tile:\n";
  for (std::size_t tile = 0; tile < language.Tiles.size(); ++tile) {
    out += "//   " + Literal(language.Tiles.substr(tile, 1)) + " " + std::to_string(weights[tile]) +
           "\n";
  }
  out += "const LetterTables kLetters" + code + " = {\n    .Weights = {";
  for (std::size_t tile = 0; tile < language.Tiles.size(); ++tile)
    out += (tile == 0 ? "" : ", ") + std::to_string(weights[tile]);
  out += "},\n    .Fragments = {\n";
  for (std::size_t i = 0; i < fragments.size(); ++i) {
    if (i % 9 == 0) out += "        ";
    out += Literal(fragments[i]) + ",";
    out += i % 9 == 8 ? "\n" : " ";
  }
  out += "    },\n};\n// clang-format on\n";
  return out;
}
