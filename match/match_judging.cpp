#include "match/match_judging.h"

#include <algorithm>
#include <map>

#include "game/timed_game.h"
#include "words/board_search/board_search.h"
#include "words/scoring.h"

namespace {

constexpr const char* kRepeatMark = "(DUP)";

// The list as the player's own guess list holds it: trimmed, in capitals, repeats marked.
// A player's game does this already; the host does not take a stranger's word for it.
std::vector<std::string> AsGuessList(const std::vector<std::string>& guesses) {
  TimedGame list;
  for (const std::string& guess : guesses) list.AddGuess(guess);
  return list.Guesses();
}

int32_t Clamped(int64_t score) {
  return static_cast<int32_t>(std::clamp<int64_t>(score, INT32_MIN, INT32_MAX));
}

// The bytes a word takes in the result message.
std::size_t EncodedSize(const FoundWord& word) { return 1 + word.Word.size() + 4 + 1; }

// The words, longest first and then alphabetical, as many as the result message holds
// beside the ranking: on a board of thousands of words the shortest are left off.
std::vector<FoundWord> SortedWords(std::map<std::string, FoundWord> words, std::size_t room) {
  std::vector<FoundWord> sorted;
  for (auto& [text, word] : words) sorted.push_back(std::move(word));
  std::stable_sort(sorted.begin(), sorted.end(), [](const FoundWord& a, const FoundWord& b) {
    return a.Word.size() > b.Word.size();
  });
  std::size_t used = 0;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    used += EncodedSize(sorted[i]);
    if (used > room) {
      sorted.resize(i);
      break;
    }
  }
  return sorted;
}

}  // namespace

MatchResult JudgeMatch(const MatchBoard& board, const std::vector<PlayerList>& players,
                       bool tableRule) {
  const GameSettings& settings = board.Settings;
  const WordTest inPuzzle = [&](const std::string& word) {
    return InPuzzle(board.Grid, word, settings.RepeatingLettersAllowed);
  };
  const WordTest inWordList = [&](const std::string& word) {
    return std::binary_search(board.Words.begin(), board.Words.end(), word);
  };

  std::vector<ScoreSheet> sheets;
  std::map<std::string, FoundWord> found;
  for (const PlayerList& player : players) {
    sheets.push_back(ScoreGuesses(AsGuessList(player.Guesses), settings, inPuzzle, inWordList));
    for (const std::string& word : sheets.back().ValidWords) {
      FoundWord& entry = found[word];
      entry.Word = word;
      entry.Points = settings.PointsForLength(static_cast<int>(word.size()));
      entry.FoundBy |= static_cast<uint8_t>(1u << player.Id);
    }
  }

  MatchResult result;
  result.TableRule = tableRule;
  std::size_t room = kMaxMessageBytes - 4 - 1 - 1 - 2 - 2;
  for (std::size_t i = 0; i < players.size(); ++i) {
    int64_t score = sheets[i].TotalScore;
    if (tableRule) {
      for (const std::string& word : sheets[i].ValidWords) {
        const FoundWord& entry = found[word];
        if (entry.FoundBy != (1u << players[i].Id)) score -= entry.Points;
      }
    }
    const auto words =
        static_cast<uint16_t>(std::min<std::size_t>(sheets[i].ValidWords.size(), UINT16_MAX));
    result.Ranking.push_back(
        {players[i].Id, players[i].Name, Clamped(score), words, players[i].State});
    room -= 1 + 1 + players[i].Name.size() + 4 + 2 + 1;
  }
  std::stable_sort(result.Ranking.begin(), result.Ranking.end(),
                   [](const RankedPlayer& a, const RankedPlayer& b) { return a.Score > b.Score; });
  result.Words = SortedWords(std::move(found), room);
  return result;
}

GuessList GuessListToSend(const std::vector<std::string>& guessList) {
  GuessList list;
  std::size_t size = 1 + 2;
  for (const std::string& guess : guessList) {
    const std::string word = guess.substr(0, kMaxGuessLength);
    if (guess.find(kRepeatMark) != std::string::npos || !IsPrintable(word, kMaxGuessLength))
      continue;
    size += 1 + word.size();
    if (list.Words.size() == kMaxGuesses || size > kMaxMessageBytes - 4) break;
    list.Words.push_back(word);
  }
  return list;
}
