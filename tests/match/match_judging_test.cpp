// The host judges every list with its one word list and the table rule: a word found by
// two or more players scores for none of them.
#include "match/match_judging.h"

#include <gtest/gtest.h>

#include "tests/match/match_board.h"

namespace {

std::vector<PlayerList> ThreeLists() {
  return {
      {0, "Host", PlayerState::Played, {"CAT", "DOG", "ZZZ"}},
      // A stranger's list is taken as typed: small letters, blanks and an unmarked repeat.
      {1, "Ann", PlayerState::Played, {"cat", " EAR", "CARE", "CAT"}},
      {2, "Bo", PlayerState::Played, {"DOG", "TAR", "RO"}},
  };
}

struct Row {
  std::string name;
  int32_t score;
  uint16_t words;
};

std::vector<Row> Ranking(const MatchResult& result) {
  std::vector<Row> rows;
  for (const RankedPlayer& player : result.Ranking)
    rows.push_back({player.Name, player.Score, player.Words});
  return rows;
}

bool operator==(const Row& a, const Row& b) {
  return a.name == b.name && a.score == b.score && a.words == b.words;
}

TEST(JudgeMatch, TheTableRuleTakesAWordFoundTwiceFromEveryoneWhoFoundIt) {
  // Host: CAT 1 + DOG 1, ZZZ -1; Ann: CAT, EAR, CARE 1 each; Bo: DOG, TAR 1 each, RO -1.
  struct Case {
    bool tableRule;
    std::vector<Row> ranking;
  };
  const Case cases[] = {
      {true, {{"Ann", 2, 3}, {"Bo", 0, 2}, {"Host", -1, 2}}},
      // Without it everyone keeps their own score; a tie keeps the order of joining.
      {false, {{"Ann", 3, 3}, {"Host", 1, 2}, {"Bo", 1, 2}}},
  };
  for (const Case& c : cases) {
    const MatchResult result = JudgeMatch(TestMatchBoard(), ThreeLists(), c.tableRule);
    EXPECT_EQ(result.TableRule, c.tableRule);
    EXPECT_EQ(Ranking(result), c.ranking) << "table rule " << c.tableRule;
    const std::vector<FoundWord> words = {{"CARE", 1, 0b010},
                                          {"CAT", 1, 0b011},
                                          {"DOG", 1, 0b101},
                                          {"EAR", 1, 0b010},
                                          {"TAR", 1, 0b100}};
    EXPECT_EQ(result.Words, words);
  }
}

TEST(JudgeMatch, APlayerWithoutAListScoresNothingAndKeepsItsState) {
  std::vector<PlayerList> lists = ThreeLists();
  lists[1] = {1, "Ann", PlayerState::Gone, {}};
  lists[2] = {2, "Bo", PlayerState::NoList, {}};
  const MatchResult result = JudgeMatch(TestMatchBoard(), lists, true);
  ASSERT_EQ(result.Ranking.size(), 3u);
  EXPECT_EQ(result.Ranking[0].Name, "Host");
  EXPECT_EQ(result.Ranking[0].Score, 1);  // nobody else found CAT or DOG
  EXPECT_EQ(result.Ranking[1].State, PlayerState::Gone);
  EXPECT_EQ(result.Ranking[2].State, PlayerState::NoList);
  EXPECT_EQ(result.Ranking[2].Score, 0);
}

TEST(JudgeMatch, TheResultAlwaysFitsOneMessage) {
  // A board whose every word was found: far more words than one message holds.
  MatchBoard board = TestMatchBoard();
  board.Settings.RepeatingLettersAllowed = true;
  std::vector<std::string> guesses;
  // Twelve-letter walks over the four cells C A / E R, which all touch each other.
  for (int i = 0; i < 4000; ++i) {
    std::string word;
    char previous = 0;
    for (int n = i; word.size() < 12;) {
      std::string choices;
      for (const char letter : std::string("CAER"))
        if (letter != previous) choices += letter;
      previous = choices[static_cast<std::size_t>(n) % choices.size()];
      n /= static_cast<int>(choices.size());
      word += previous;
    }
    guesses.push_back(word);
  }
  board.Words = guesses;
  std::sort(board.Words.begin(), board.Words.end());
  board.Words.erase(std::unique(board.Words.begin(), board.Words.end()), board.Words.end());
  const MatchResult result = JudgeMatch(board, {{0, "Host", PlayerState::Played, guesses}}, true);
  EXPECT_LT(result.Words.size(), board.Words.size());
  EXPECT_LE(FramedMessage(result).size(), kMaxMessageBytes);
  EXPECT_TRUE(ReadMessage(EncodeMessage(result)).has_value());
}

TEST(GuessListToSend, LeavesOutRepeatsAndStopsWhereOneMessageIsFull) {
  EXPECT_EQ(GuessListToSend({"CAT", "DOG", "CAT (DUP)", "EAR"}).Words,
            (std::vector<std::string>{"CAT", "DOG", "EAR"}));
  const GuessList many = GuessListToSend(std::vector<std::string>(5000, std::string(200, 'A')));
  EXPECT_LE(FramedMessage(many).size(), kMaxMessageBytes);
  EXPECT_GT(many.Words.size(), 300u);
  EXPECT_EQ(GuessListToSend(std::vector<std::string>(5000, "AB")).Words.size(), kMaxGuesses);
}

}  // namespace
