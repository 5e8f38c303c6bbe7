#include "words/missed_word_list.h"

#include <algorithm>
#include <set>

#include "base/text_utils.h"
#include "words/word_commonness.h"

namespace {

// Finds and points of one set of the board's words.
struct Tally {
  int64_t Found = 0, FoundPoints = 0, All = 0, AllPoints = 0;
  void Add(int64_t points, bool found) {
    ++All;
    AllPoints += points;
    if (found) {
      ++Found;
      FoundPoints += points;
    }
  }
  std::string Summary(const std::string& what) const {
    return "You found " + FormatCount(Found) + " of " + FormatCount(All) + " " + what + ": " +
           FormatCount(FoundPoints) + " of " + FormatCount(AllPoints) + " points.";
  }
};

}  // namespace

MissedWordList ListMissedWords(const std::vector<BoardWord>& boardWords,
                               const std::vector<std::string>& validGuesses,
                               const GameSettings& settings, const ListSizeFn& listSize) {
  const std::set<std::string> found(validGuesses.begin(), validGuesses.end());
  MissedWordList list;
  Tally all, common;
  bool sizesKnown = false;
  for (const BoardWord& word : boardWords) {
    const int64_t points = settings.PointsForLength(static_cast<int>(word.Word.size()));
    const int size = listSize ? listSize(word.Word) : 0;
    sizesKnown = sizesKnown || size > 0;
    // Counted from the board's words, so the finds can never outnumber them.
    const bool wasFound = found.count(word.Word) != 0;
    all.Add(points, wasFound);
    if (IsCommonSize(size)) common.Add(points, wasFound);
    if (!wasFound) list.Words.push_back({word.Word, points, word.Path, size});
  }
  std::sort(list.Words.begin(), list.Words.end(), [](const MissedWord& a, const MissedWord& b) {
    if (a.Word.size() != b.Word.size()) return a.Word.size() > b.Word.size();
    return a.Word < b.Word;
  });
  list.Summary = all.Summary("words");
  if (sizesKnown) list.CommonSummary = common.Summary("common words");
  return list;
}

std::vector<MissedWord> ShownMissedWords(const MissedWordList& list, bool commonWordsOnly) {
  if (!commonWordsOnly || list.CommonSummary.empty()) return list.Words;
  std::vector<MissedWord> shown;
  for (const MissedWord& word : list.Words)
    if (IsCommonSize(word.ListSize)) shown.push_back(word);
  return shown;
}

std::string CommonnessText(const MissedWordList& list, const MissedWord& word) {
  if (list.CommonSummary.empty()) return {};
  return CommonnessName(word.ListSize == 0 ? kWordListSizes[0] : word.ListSize);
}
