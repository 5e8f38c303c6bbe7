// How many of the words left on dealt boards have a meaning to show, and how long the
// Missed Words window takes to show it. 200 boards dealt by the game's own generator
// (ordinary 4 x 4, American lexicons, no player's lists); every word on them is a missed
// word of a player who found none. Run on a release build:
//   build/bench/definition_coverage [boards]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "game/scramble.h"
#include "settings/game_settings.h"
#include "words/check_session.h"
#include "words/definitions/word_definitions.h"
#include "words/word_commonness.h"
#include "words/word_finder.h"

namespace {

struct Share {
  long Defined = 0, All = 0;
  void Add(bool defined) {
    ++All;
    Defined += defined ? 1 : 0;
  }
  double Percent() const { return All == 0 ? 0 : 100.0 * static_cast<double>(Defined) / All; }
};

double Microseconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  const int boards = argc > 1 ? std::atoi(argv[1]) : 200;
  GameSettings settings = DefaultSettings("/");
  CheckSession session;
  const auto fail = [](const std::string& text, const std::string&) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::exit(1);
  };
  if (!OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true, fail)) return 1;
  const WordCommonness commonness(TOLVANE_PROGRAM_DIR, true);

  WordDefinitions definitions;
  const auto openStart = std::chrono::steady_clock::now();
  if (!definitions.AnySourceInstalled()) {
    std::fprintf(stderr, "neither wordnet-base nor dict-gcide is installed\n");
    return 1;
  }
  const double openTime = Microseconds(std::chrono::steady_clock::now() - openStart);

  XorShiftRandom random(1995);
  Share all, common, uniqueAll;
  std::vector<std::string> seen, undefinedCommon;
  std::vector<double> times;
  for (int board = 0; board < boards; ++board) {
    LetterGrid grid;
    grid.ComputeCellOnBoard(settings.Height, settings.Width);
    ScrambleLetters(grid, settings, random);
    for (const BoardWord& word :
         FindWords(grid, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed)) {
      // What the window does when a word is chosen: the text of its pane.
      const auto start = std::chrono::steady_clock::now();
      const std::string text = definitions.Describe(word.Word);
      times.push_back(Microseconds(std::chrono::steady_clock::now() - start));
      const bool defined = !definitions.Define(word.Word).empty();
      all.Add(defined);
      const bool isCommon = IsCommonSize(commonness.SmallestSize(word.Word));
      if (isCommon) common.Add(defined);
      if (isCommon && !defined) undefinedCommon.push_back(word.Word);
      if (std::find(seen.begin(), seen.end(), word.Word) == seen.end()) {
        seen.push_back(word.Word);
        uniqueAll.Add(defined);
      }
    }
  }
  CloseCheckSession(session);

  std::printf("boards: %d, missed words: %ld (%ld different), common: %ld\n", boards, all.All,
              uniqueAll.All, common.All);
  std::printf("with a definition: %.1f%% of all, %.1f%% of the common, %.1f%% of the different\n",
              all.Percent(), common.Percent(), uniqueAll.Percent());
  std::printf("opening the sources: %.0f us\n", openTime);
  std::printf("showing a definition: median %.0f us, 95th percentile %.0f us, slowest %.0f us\n",
              Percentile(times, 0.5), Percentile(times, 0.95), Percentile(times, 1.0));
  std::sort(undefinedCommon.begin(), undefinedCommon.end());
  undefinedCommon.erase(std::unique(undefinedCommon.begin(), undefinedCommon.end()),
                        undefinedCommon.end());
  std::printf("common words without one (%zu):", undefinedCommon.size());
  for (const std::string& word : undefinedCommon) std::printf(" %s", word.c_str());
  std::printf("\n");
  return 0;
}
