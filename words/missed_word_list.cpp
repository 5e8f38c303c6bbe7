#include "words/missed_word_list.h"

#include <algorithm>
#include <set>

#include "base/text_utils.h"

namespace {

std::string Number(int64_t value) { return FormatNumber(static_cast<double>(value), 1, 0); }

}  // namespace

MissedWordList ListMissedWords(const std::vector<BoardWord>& boardWords,
                               const std::vector<std::string>& validGuesses,
                               const GameSettings& settings) {
  const std::set<std::string> found(validGuesses.begin(), validGuesses.end());
  MissedWordList list;
  int64_t foundCount = 0, foundPoints = 0, allPoints = 0;
  for (const BoardWord& word : boardWords) {
    const int64_t points = settings.PointsForLength(static_cast<int>(word.Word.size()));
    allPoints += points;
    // Counted from the board's words, so the finds can never outnumber them.
    if (found.count(word.Word) != 0) {
      ++foundCount;
      foundPoints += points;
    } else {
      list.Words.push_back({word.Word, points, word.Path});
    }
  }
  std::sort(list.Words.begin(), list.Words.end(), [](const MissedWord& a, const MissedWord& b) {
    if (a.Word.size() != b.Word.size()) return a.Word.size() > b.Word.size();
    return a.Word < b.Word;
  });
  list.Summary = "You found " + Number(foundCount) + " of " + Number(std::ssize(boardWords)) +
                 " words: " + Number(foundPoints) + " of " + Number(allPoints) + " points.";
  return list;
}
