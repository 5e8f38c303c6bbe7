#include <benchmark/benchmark.h>

#include <string>

#include "words/board_search/board_search.h"

namespace {

LetterGrid Board(const std::string& letters, int height, int width) {
  LetterGrid grid;
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) grid.Letters[cell] = letters[cell - 1];
  grid.ComputeCellOnBoard(height, width);
  return grid;
}

void SearchOn(benchmark::State& state, const LetterGrid& grid, const std::string& word,
              bool repeats) {
  for (auto _ : state) benchmark::DoNotOptimize(InPuzzle(grid, word, repeats));
}

void Search(benchmark::State& state, const std::string& letters, const std::string& word,
            bool repeats) {
  SearchOn(state, Board(letters, 5, 5), word, repeats);
}

void SearchFourHigh(benchmark::State& state, const std::string& letters, const std::string& word) {
  SearchOn(state, Board(letters, 4, 5), word, false);
}

void SearchFourWide(benchmark::State& state, const std::string& letters, const std::string& word) {
  SearchOn(state, Board(letters, 5, 4), word, false);
}

const std::string kAllA(25, 'A');

// Every cell alike: a path through all 25 cells; one letter too many or missing.
BENCHMARK_CAPTURE(Search, AllEqual_25_Found, kAllA, std::string(25, 'A'), false);
BENCHMARK_CAPTURE(Search, AllEqual_24ThenMissing, kAllA, std::string(24, 'A') + "B", false);
BENCHMARK_CAPTURE(Search, AllEqual_26, kAllA, std::string(26, 'A'), false);
BENCHMARK_CAPTURE(Search, AllEqual_255_NoRepeats, kAllA, std::string(255, 'A'), false);
BENCHMARK_CAPTURE(Search, AllEqual_255_Repeats, kAllA, std::string(255, 'A'), true);
BENCHMARK_CAPTURE(Search, AllEqual_254ThenMissing_Repeats, kAllA, std::string(254, 'A') + "B",
                  true);
BENCHMARK_CAPTURE(Search, Alternating_255_Repeats, "ABABABABABABABABABABABABA",
                  std::string(254, 'A') + "B", true);
// A corner letter whose only neighbour of the right kind is also where the path comes
// from, in the middle of a long word of equal letters.
BENCHMARK_CAPTURE(Search, CornerTrap, "BCAAACAAAAAAAAAAAAAAAAAAA", "AAAAAAAABAAAAAAAA", false);
// A wall of B splitting the A cells in two halves of ten.
BENCHMARK_CAPTURE(Search, Halves, "AABAAAABAAAABAAAABAAAABAA",
                  std::string(11, 'A') + "B" + std::string(9, 'A'), false);
// The slowest cases a random search over mostly-equal boards turned up: two rare
// letters too far apart for the stretch of the word between them.
BENCHMARK_CAPTURE(Search, FarPair, "BAAAAAAAABAAAAAAAAAAAAAAA", "AAAAAAAABAABAAAAAAAAAAA", false);
BENCHMARK_CAPTURE(Search, FarPairWithWall, "AACAAAABBBAAAAAAAAAAAAAAA", "AAAAAAAABAAAABAAAAAAAA",
                  false);
// The slowest cases random searches over boards of one or two letters, with a few
// rare ones, turned up: paths over (nearly) every cell of the board.
BENCHMARK_CAPTURE(Search, TwoLetters_EveryCell, "AAABAABBBAAABAAAABAAAABCB",
                  "BBAAAAABAAAAAAABABACBABBA", false);
BENCHMARK_CAPTURE(Search, TwoLetters_Found, "BAABAAAAABBBAAABABBAAAABB",
                  "BAABABABBBBBAABAABAAAAAAA", false);
BENCHMARK_CAPTURE(Search, TwoLetters_Found2, "ABAAAAAABBAAAABAAABABAAAA",
                  "AABAABAAAABAABAABAAAAABA", false);
BENCHMARK_CAPTURE(Search, TwoLetters_RareMiddle, "BBAAAAABBADABBAABCAABAAAA",
                  "BAAAAAACBAABADBABBBAABA", false);
BENCHMARK_CAPTURE(SearchFourWide, TwoLetters_FourWide, "BAAAABAABABABBAABABBBBBAB",
                  "ABBBAABBAABBABAABAB");
BENCHMARK_CAPTURE(SearchFourHigh, OneLetter_ThreeB, "AAAAABAAAABBAAAAAAAAAAAAA",
                  "AABAAABAAAAAAAABAAA");
BENCHMARK_CAPTURE(Search, RarePairs_NotFound, "AAAABDAAADAAACAAAAAAAAAAA", "ADAAAAAAABAAAADAAAAA",
                  false);
BENCHMARK_CAPTURE(Search, RarePairs_Found, "ADAADAACAAAAAADAAAAAAAAAA", "AACAAAAAAAAAAADAADAAA",
                  false);
// Cases a random hill-climbing hunt turned up (bench/path_search_hunt.cpp); none is in
// the puzzle. Off-board cells hold '.'.
BENCHMARK_CAPTURE(Search, Hunt_5x5_TwoRowsOfB, "BBBBBAAAAABABABAAAAAAAAAA",
                  "AAAAABABABAAAABABABABAA", false);
BENCHMARK_CAPTURE(SearchFourWide, Hunt_5x4_RowsOfB, "AAAA.BBAB.AAAA.AAAA.BBBB.",
                  "BAABAABAAABAABAABA");
BENCHMARK_CAPTURE(SearchFourHigh, Hunt_4x5_Mixed, "AABBABABAABABBBAABAB.....",
                  "AABABABABBABBABABAA");
// The slowest cases of later hunts: a rare letter in the middle that pins the path down
// from there, and a word that reads the same backwards.
BENCHMARK_CAPTURE(Search, Hunt_5x5_RareMiddle, "BABAAAAABBAAAAAAAAAABABBA",
                  "BAAAAAAAABBABABAAAAAAABA", false);
BENCHMARK_CAPTURE(Search, Hunt_5x5_FiveB, "AAAAAAAAAABAAAAAAABABABBA", "AAABBAAAAAABAAABAAAAAAAB",
                  false);
BENCHMARK_CAPTURE(Search, Hunt_5x5_Palindrome, "AABBBABBBBABBBBAABBBABBAA",
                  "BAABBAABBBBBBBBBAABBAAB", false);
BENCHMARK_CAPTURE(Search, Hunt_5x5_Latest, "BBAABBAAABAAAABABABBBAAAB", "BABAABBAAAABBAAABBAABAB",
                  false);
// The slowest case of the hunt after the whole-board refutations came in.
BENCHMARK_CAPTURE(Search, Hunt_5x5_TwoColumnsOfB, "BBAAABAAABBAAABBAAABBBAAA",
                  "BAAABBABAAABBAAAABBAAB", false);
// The slowest case of the hunt with the constraint search in: about 9 ms for either kind
// of search.
BENCHMARK_CAPTURE(Search, Hunt_5x5_Checkered, "ABBABBBABABBBABABABABABAB", "AAABBBBBBABBABBABBABB",
                  false);
// A board as the game deals them and a word on it.
BENCHMARK_CAPTURE(Search, Ordinary_Found, "STRAEINOTSLEPDCRAMEHUTION", "SNORTS", false);
BENCHMARK_CAPTURE(Search, Ordinary_NotFound, "STRAEINOTSLEPDCRAMEHUTION", "QUARTER", false);

}  // namespace

BENCHMARK_MAIN();
