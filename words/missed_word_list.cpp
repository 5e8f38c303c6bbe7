#include "words/missed_word_list.h"

#include <algorithm>
#include <set>

#include "base/text_utils.h"

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
  list.Summary = "You found " + FormatCount(foundCount) + " of " +
                 FormatCount(std::ssize(boardWords)) + " words: " + FormatCount(foundPoints) +
                 " of " + FormatCount(allPoints) + " points.";
  return list;
}
