#include "history/challenge_comparison.h"

#include <algorithm>
#include <set>

namespace {

void SortLongestFirst(std::vector<ComparedWord>& words) {
  std::sort(words.begin(), words.end(), [](const ComparedWord& a, const ComparedWord& b) {
    return a.Word.size() != b.Word.size() ? a.Word.size() > b.Word.size() : a.Word < b.Word;
  });
}

}  // namespace

ChallengeComparison CompareWithChallenge(const std::vector<std::string>& boardWords,
                                         const std::vector<bool>& theirs,
                                         const std::vector<std::string>& yourValidWords,
                                         const GameSettings& settings) {
  const auto priced = [&](const std::string& word) {
    return ComparedWord{word, settings.PointsForLength(static_cast<int>(word.size()))};
  };
  std::set<std::string> theirWords;
  for (std::size_t i = 0; i < boardWords.size() && i < theirs.size(); ++i)
    if (theirs[i]) theirWords.insert(boardWords[i]);
  const std::set<std::string> yours(yourValidWords.begin(), yourValidWords.end());

  ChallengeComparison comparison;
  for (const std::string& word : yours)
    (theirWords.contains(word) ? comparison.Both : comparison.OnlyYou).push_back(priced(word));
  for (const std::string& word : theirWords)
    if (!yours.contains(word)) comparison.OnlyThem.push_back(priced(word));
  for (auto* list : {&comparison.Both, &comparison.OnlyYou, &comparison.OnlyThem})
    SortLongestFirst(*list);
  return comparison;
}
