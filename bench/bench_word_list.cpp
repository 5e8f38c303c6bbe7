// Large player's word lists: "Dictionary Maintenance" opened on one until its list is
// drawn, and a check session opened with one and judging a word. The largest list the
// engine reads is 16 MiB; seven-letter words fill it with about two million entries,
// one-letter words with eight million.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/fake_game_host.h"
#include "windows/words/dictionary_maintenance.h"
#include "words/check_session.h"
#include "words/engine/spelling_engine.h"
#include "words/engine/user_list_file.h"
#include "words/user_word_list.h"

namespace {

// The words counted up in base 26, each `length` letters long; all of the largest list
// when `count` is 0.
std::vector<std::string> Words(int64_t count, int length) {
  const std::size_t room = kMaxUserListBytes - 64;  // what the engine stores at most
  if (count == 0) count = static_cast<int64_t>(room / (static_cast<std::size_t>(length) + 1));
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(count));
  for (int64_t number = 0; number < count; ++number) {
    std::string word(static_cast<std::size_t>(length), 'a');
    int64_t rest = number;
    for (int at = length - 1; at >= 0 && rest > 0; --at, rest /= 26)
      word[static_cast<std::size_t>(at)] = static_cast<char>('a' + rest % 26);
    words.push_back(std::move(word));
  }
  return words;
}

// Arguments: the number of words (0: as many as the largest list holds) and their length.
void WriteList(FakeGameHost& host, const benchmark::State& state) {
  const std::vector<std::string> words = Words(state.range(0), static_cast<int>(state.range(1)));
  if (!WriteUserWordList(host.platform.userDataDirectory + "/" + kAdditionListFile,
                         SE_KIND_ADDITION, words)) {
    std::abort();
  }
}

void BM_MaintenanceDialogShowsTheList(benchmark::State& state) {
  FakeGameHost host;
  WriteList(host, state);
  int64_t entries = 0;
  for (auto _ : state) {
    TMyEditBox dialog(host, 2);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.grab());  // lays the list out and draws it
    entries = dialog.findChild<QListWidget*>("TheList")->count();
  }
  state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_MaintenanceDialogShowsTheList)
    ->Args({400000, 7})
    ->Args({0, 7})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_CheckSessionReadsTheList(benchmark::State& state) {
  FakeGameHost host;
  WriteList(host, state);
  const auto fail = [](const std::string& text, const std::string&) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::abort();
  };
  for (auto _ : state) {
    CheckSession session;
    if (!OpenCheckSession(session, host.programDirectory, host.platform.userDataDirectory, true,
                          fail)) {
      std::abort();
    }
    // The first look-up makes the list's table of folded words.
    benchmark::DoNotOptimize(InSpeller(session, "house"));
    CloseCheckSession(session);
  }
}
BENCHMARK(BM_CheckSessionReadsTheList)
    ->Args({400000, 7})
    ->Args({0, 7})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
