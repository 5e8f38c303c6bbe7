// Opening a check session over the real main lexicons and judging single words.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "words/check_session.h"
#include "words/engine/spelling_engine.h"
#include "words/user_word_list.h"

namespace {

// A folder holding the compiled main lexicons of the build and two small player's lists.
class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    for (const char* name : {"SPELAMC.TLX", "SPELAMM.CLX", "SPELBRC.TLX", "SPELBRM.CLX"}) {
      std::filesystem::create_symlink(std::string(TOLVANE_PROGRAM_DIR) + "/" + name,
                                      path_ + "/" + name);
    }
    std::vector<std::string> words;
    for (int i = 0; i < 30; ++i) words.push_back("Word" + std::to_string(i));
    WriteUserWordList(path_ + "/" + kAdditionListFile, SE_KIND_ADDITION, words);
    WriteUserWordList(path_ + "/" + kExclusionListFile, SE_KIND_EXCLUSION, words);
  }
  ~ProgramFolder() { std::filesystem::remove_all(path_); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void FailOnMessage(const std::string& text, const std::string&) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::abort();
}

void BM_OpenAndCloseCheckSession(benchmark::State& state) {
  ProgramFolder folder;
  for (auto _ : state) {
    CheckSession session;
    if (!OpenCheckSession(session, folder.Path(), folder.Path(), true, FailOnMessage)) std::abort();
    if (session.LexiconCount != 4) std::abort();
    CloseCheckSession(session);
  }
}
BENCHMARK(BM_OpenAndCloseCheckSession);

void BM_InSpeller(benchmark::State& state) {
  ProgramFolder folder;
  CheckSession session;
  if (!OpenCheckSession(session, folder.Path(), folder.Path(), true, FailOnMessage)) std::abort();
  const std::vector<std::string> words = {"CAT",       "HAPPIEST", "QZXV",     "WORD7",
                                          "ZYMURGIES", "AARDVARK", "ORGANIZE", "COLOUR"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(InSpeller(session, words[next]));
    next = (next + 1) % words.size();
  }
  CloseCheckSession(session);
}
BENCHMARK(BM_InSpeller);

}  // namespace

BENCHMARK_MAIN();
