// Hunts for the board and word that take the board search longest: random
// hill-climbing over boards of one to three letters in all four sizes, words up to two
// letters longer than the board has cells, with and without repeated cells. Each climb
// starts from a random case and keeps a small change (a board letter, a word letter, a
// letter inserted or removed) whenever the search takes at least as long on it. When
// the time is up the slowest cases are timed again and judged by the plain search.
//
//   path_search_hunt [seconds] [seed]
//
// Run it on a release build; the times of a sanitizer build say nothing. Times are
// processor time of the thread, median of 31 runs for the cases reported.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "tests/words/board_search/plain_path_search.h"
#include "words/board_search/board_search.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
  int height = 5;
  int width = 5;
  std::string letters = std::string(25, '.');  // row by row, five to a row
  std::string word;
  bool repeats = false;

  LetterGrid Grid() const {
    LetterGrid grid;
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell) grid.Letters[cell] = letters[cell - 1];
    grid.ComputeCellOnBoard(height, width);
    return grid;
  }

  int Cells() const { return height * width; }

  std::string Rows() const {
    std::string rows;
    for (int row = 0; row < height; ++row) {
      if (row > 0) rows += '/';
      rows += letters.substr(row * 5, width);
    }
    return rows;
  }
};

// Nanoseconds of processor time one search takes: the machine is shared, and the time
// on the wall would count the other programs too.
double TimeOnce(const LetterGrid& grid, const Case& item) {
  timespec start{};
  timespec end{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
  volatile bool found = InPuzzle(grid, item.word, item.repeats);
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
  (void)found;
  return (end.tv_sec - start.tv_sec) * 1e9 + (end.tv_nsec - start.tv_nsec);
}

// The fastest of a few runs while climbing: other programs on the machine only ever
// make a run slower.
double ClimbTime(const Case& item) {
  const LetterGrid grid = item.Grid();
  double best = TimeOnce(grid, item);
  for (int run = 1; run < 3; ++run) best = std::min(best, TimeOnce(grid, item));
  return best;
}

double MedianTime(const Case& item, int runs) {
  const LetterGrid grid = item.Grid();
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(TimeOnce(grid, item));
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[runs / 2];
}

class Hunt {
 public:
  explicit Hunt(uint32_t seed) : random_(seed) {}

  Case RandomCase() {
    static constexpr int kSizes[4][2] = {{4, 4}, {4, 5}, {5, 4}, {5, 5}};
    Case item;
    const int size = Below(4);
    item.height = kSizes[size][0];
    item.width = kSizes[size][1];
    item.repeats = Below(4) == 0;  // repeats make the search linear: climb them less
    alphabet_ = 1 + Below(3);
    for (int row = 0; row < item.height; ++row)
      for (int column = 0; column < item.width; ++column)
        item.letters[row * 5 + column] = RandomLetter();
    const int length = 2 + Below(item.Cells() + 1);
    for (int i = 0; i < length; ++i) item.word += RandomLetter();
    return item;
  }

  Case Mutate(const Case& item) {
    Case next = item;
    const int maxLength = item.Cells() + 2;
    switch (Below(5)) {
      case 0: {
        const int cell = Below(item.height) * 5 + Below(item.width);
        next.letters[cell] = RandomLetter();
        break;
      }
      case 1:
      case 2:
        next.word[Below(static_cast<int>(next.word.size()))] = RandomLetter();
        break;
      case 3:
        if (static_cast<int>(next.word.size()) < maxLength)
          next.word.insert(next.word.begin() + Below(static_cast<int>(next.word.size()) + 1),
                           RandomLetter());
        break;
      default:
        if (next.word.size() > 2)
          next.word.erase(next.word.begin() + Below(static_cast<int>(next.word.size())));
        break;
    }
    return next;
  }

 private:
  int Below(int bound) { return static_cast<int>(random_() % static_cast<uint32_t>(bound)); }
  char RandomLetter() { return static_cast<char>('A' + Below(alphabet_)); }

  std::mt19937 random_;
  int alphabet_ = 2;
};

struct Found {
  Case item;
  double ns;
};

// One climb: from a random case, keep every change that is no faster, until a few
// hundred changes in a row have not set a new best.
Found Climb(Hunt& hunt, Clock::time_point deadline) {
  Found best{hunt.RandomCase(), 0};
  best.ns = ClimbTime(best.item);
  Case current = best.item;
  double currentNs = best.ns;
  for (int stale = 0; stale < 400 && Clock::now() < deadline; ++stale) {
    const Case next = hunt.Mutate(current);
    const double nextNs = ClimbTime(next);
    if (nextNs < currentNs) continue;
    current = next;
    currentNs = nextNs;
    if (currentNs > best.ns) {
      best = {current, currentNs};
      stale = 0;
    }
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60;
  const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10))
                                 : static_cast<uint32_t>(Clock::now().time_since_epoch().count());
  const auto start = Clock::now();
  const auto deadline =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  Hunt hunt(seed);
  std::vector<Found> climbs;
  while (Clock::now() < deadline) climbs.push_back(Climb(hunt, deadline));

  // The best of each climb, the slowest first by a steadier median of many runs.
  constexpr size_t kReported = 10;
  std::sort(climbs.begin(), climbs.end(),
            [](const Found& a, const Found& b) { return a.ns > b.ns; });
  climbs.resize(std::min(climbs.size(), 3 * kReported));
  for (Found& found : climbs) found.ns = MedianTime(found.item, 31);
  std::sort(climbs.begin(), climbs.end(),
            [](const Found& a, const Found& b) { return a.ns > b.ns; });
  climbs.resize(std::min(climbs.size(), kReported));
  std::printf("hunted %.0f s, seed %u, slowest of each climb:\n",
              std::chrono::duration<double>(Clock::now() - start).count(), seed);
  std::printf("%9s  %-5s %-30s %-28s %-4s %s\n", "median", "size", "board rows", "word", "rep",
              "answer");
  for (const Found& found : climbs) {
    const Case& item = found.item;
    const LetterGrid grid = item.Grid();
    const bool answer = InPuzzle(grid, item.word, item.repeats);
    PlainSearch plain(grid, item.word, item.height, item.width, item.repeats, 200'000'000);
    const bool plainAnswer = plain.InPuzzle();
    const char* verdict = plain.GaveUp()          ? "plain search gave up"
                          : plainAnswer == answer ? "as the plain search"
                                                  : "DIFFERS FROM THE PLAIN SEARCH";
    std::printf("%6.1f us  %dx%d   %-30s %-28s %-4s %s, %s\n", found.ns / 1000, item.height,
                item.width, item.Rows().c_str(), item.word.c_str(), item.repeats ? "yes" : "no",
                answer ? "found" : "not found", verdict);
  }
  return 0;
}
