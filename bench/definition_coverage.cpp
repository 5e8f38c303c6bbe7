// How many of the words left on dealt boards have a meaning to show, and how long the
// Missed Words window takes to show it. 200 boards per language dealt by the game's own
// dealing (ordinary 4 x 4, no player's lists; English with the American lexicons); every
// word on them is a missed word of a player who found none. English words have
// definitions; the words of the other languages have translations, found through the
// stemming module beside the program like the game finds them. Run on a release build:
//   build/bench/definition_coverage [boards] [language code ...]

#include <dlfcn.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "platform/plugin_modules.h"
#include "settings/game_settings.h"
#include "words/board_deal.h"
#include "words/check_session.h"
#include "words/definitions/word_definitions.h"
#include "words/definitions/word_translations.h"
#include "words/language.h"
#include "words/word_commonness.h"
#include "words/word_finder.h"
#include "words/word_spellings.h"

namespace {

struct Share {
  long Defined = 0, All = 0;
  void Add(bool defined) {
    ++All;
    Defined += defined ? 1 : 0;
  }
  double Percent() const { return All == 0 ? 0 : 100.0 * static_cast<double>(Defined) / All; }
};

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

// The machine is shared: the processor time of this process tells the work apart from
// the waiting for a turn on the processor.
double ProcessorMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

// What each language's pane does for a word: the text shown, and whether it holds a
// meaning (a definition or a translation).
struct Meanings {
  std::function<std::string(const std::string&)> Describe;
  std::function<bool(const std::string&)> HasMeaning;
};

// The missed words of `boards` dealt boards, each timed as the window shows it.
void Measure(const Language& language, int boards, const Meanings& meanings,
             const std::function<bool(const std::string&)>& isCommon) {
  GameSettings settings = DefaultSettings("/");
  CheckSession session;
  const auto fail = [](const std::string& text, const std::string&) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::exit(1);
  };
  if (!OpenCheckSession(session, TOLVANE_PROGRAM_DIR, TOLVANE_PROGRAM_DIR, true, fail, language))
    return;
  const auto findWords = [&](const LetterGrid& grid) {
    return FindWords(grid, session, settings.MinimumWordLength, settings.RepeatingLettersAllowed);
  };

  XorShiftRandom random(1995);
  Share all, common, different;
  std::vector<std::string> seen, withoutCommon;
  std::vector<double> times, processorTimes;
  double firstTime = -1, firstProcessorTime = -1;
  for (int board = 0; board < boards; ++board) {
    LetterGrid grid;
    grid.ComputeCellOnBoard(settings.Height, settings.Width);
    DealBoard(grid, settings, random, language,
              [&](const LetterGrid& dealt) { return findWords(dealt).size(); });
    for (const BoardWord& word : findWords(grid)) {
      // What the window does when a word is chosen: the text of its pane.
      const auto start = Clock::now();
      const double processorStart = ProcessorMicroseconds();
      const std::string text = meanings.Describe(word.Word);
      const double processorTime = ProcessorMicroseconds() - processorStart;
      const double time = Microseconds(Clock::now() - start);
      // The first word opens the sources: told apart, as the window opens them once.
      if (firstTime < 0) {
        firstTime = time;
        firstProcessorTime = processorTime;
      } else {
        times.push_back(time);
        processorTimes.push_back(processorTime);
      }
      const bool defined = meanings.HasMeaning(word.Word);
      all.Add(defined);
      if (isCommon(word.Word)) {
        common.Add(defined);
        if (!defined) withoutCommon.push_back(word.Word);
      }
      if (std::find(seen.begin(), seen.end(), word.Word) == seen.end()) {
        seen.push_back(word.Word);
        different.Add(defined);
      }
    }
  }
  CloseCheckSession(session);

  std::printf("== %s\n", std::string(language.Name).c_str());
  std::printf("boards: %d, missed words: %ld (%ld different), common: %ld\n", boards, all.All,
              different.All, common.All);
  std::printf("with a meaning: %.1f%% of all, %.1f%% of the common, %.1f%% of the different\n",
              all.Percent(), common.Percent(), different.Percent());
  std::printf("the first word, opening the sources: %.0f us (processor %.0f us)\n", firstTime,
              firstProcessorTime);
  std::printf("showing a meaning: median %.0f us, 95th percentile %.0f us, slowest %.0f us\n",
              Percentile(times, 0.5), Percentile(times, 0.95), Percentile(times, 1.0));
  std::printf("  processor time: median %.0f us, 95th percentile %.0f us, slowest %.0f us\n",
              Percentile(processorTimes, 0.5), Percentile(processorTimes, 0.95),
              Percentile(processorTimes, 1.0));
  if (common.All > 0) {
    std::sort(withoutCommon.begin(), withoutCommon.end());
    withoutCommon.erase(std::unique(withoutCommon.begin(), withoutCommon.end()),
                        withoutCommon.end());
    std::printf("common words without one (%zu):", withoutCommon.size());
    for (const std::string& word : withoutCommon) std::printf(" %s", word.c_str());
    std::printf("\n");
  }
}

void MeasureEnglish(int boards) {
  WordDefinitions definitions;
  if (!definitions.AnySourceInstalled()) {
    std::fprintf(stderr, "neither wordnet-base nor dict-gcide is installed\n");
    return;
  }
  const WordCommonness commonness(TOLVANE_PROGRAM_DIR, true);
  Measure(English(), boards,
          {[&](const std::string& word) { return definitions.Describe(word); },
           [&](const std::string& word) { return !definitions.Define(word).empty(); }},
          [&](const std::string& word) { return IsCommonSize(commonness.SmallestSize(word)); });
}

// The stemming module the game loads, loaded the same way.
OpenStemmerFunction StemmerModule() {
  const std::string path = std::string(TOLVANE_PROGRAM_DIR) + "/lib" + kStemmerModule + ".so";
  void* module = dlopen(path.c_str(), RTLD_NOW);
  return module ? reinterpret_cast<OpenStemmerFunction>(dlsym(module, kOpenStemmerSymbol))
                : nullptr;
}

void MeasureTranslations(const Language& language, int boards) {
  const std::shared_ptr<WordSpellings> spellings =
      WordSpellings::Open(TOLVANE_PROGRAM_DIR, language);
  const OpenStemmerFunction openStemmer = StemmerModule();
  if (!openStemmer) std::fprintf(stderr, "the stemming module is not built\n");
  WordTranslations translations(
      language,
      [&](std::string_view word) {
        return spellings ? spellings->SpellingsOf(word) : std::vector<std::string>{};
      },
      [&]() -> std::unique_ptr<Stemmer> {
        const auto [affix, words] = HunspellFiles(language);
        return std::unique_ptr<Stemmer>(openStemmer ? openStemmer(affix.c_str(), words.c_str())
                                                    : nullptr);
      });
  Measure(language, boards,
          {[&](const std::string& word) { return translations.Describe(word); },
           [&](const std::string& word) { return !translations.Translate(word).empty(); }},
          [](const std::string&) { return false; });
}

}  // namespace

int main(int argc, char** argv) {
  const int boards = argc > 1 ? std::atoi(argv[1]) : 200;
  std::vector<const Language*> languages;
  for (int i = 2; i < argc; ++i)
    if (const Language* language = FindLanguage(argv[i])) languages.push_back(language);
  if (languages.empty())
    for (const Language& language : Languages()) languages.push_back(&language);

  for (const Language* language : languages) {
    if (language->FreeDict.empty()) {
      MeasureEnglish(boards);
    } else {
      MeasureTranslations(*language, boards);
    }
  }
  return 0;
}
