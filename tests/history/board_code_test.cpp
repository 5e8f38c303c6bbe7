#include "history/board_code.h"

#include <gtest/gtest.h>

#include <string>

#include "words/language.h"

namespace {

LetterGrid Board(int height, int width, const std::string& letters) {
  LetterGrid grid;
  grid.Blank();
  grid.ComputeCellOnBoard(height, width);
  size_t next = 0;
  for (int row = 1; row <= height; ++row)
    for (int column = 1; column <= width; ++column)
      grid.Letters[LetterGrid::CellIndex(row, column)] = letters[next++];
  return grid;
}

const std::string kLetters = "QWERTYUIOPASDFGHJKLZXCVBN";

TEST(BoardCodeTest, EverySizeReadsBackAsTheSameBoardInAShortReadableCode) {
  for (const auto& [height, width] : {std::pair{4, 4}, {4, 5}, {5, 4}, {5, 5}}) {
    const LetterGrid grid = Board(height, width, kLetters);
    const std::optional<std::string> code = BoardCode(grid, height, width);
    ASSERT_TRUE(code);
    EXPECT_LE(code->size(), 40u);
    EXPECT_EQ(code->find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-"), std::string::npos);
    PuzzleRecord record;
    ASSERT_EQ(ReadBoardCode(*code, record), BoardCodeResult::Ok) << *code;
    LetterGrid read;
    GameSettings settings;
    PuzzleRecordToBoard(record, read, settings);
    EXPECT_EQ(settings.Height, height);
    EXPECT_EQ(settings.Width, width);
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      if (grid.CellOnBoard[cell]) {
        EXPECT_EQ(read.Letters[cell], grid.Letters[cell]) << *code;
      }
  }
  // Read aloud and typed back, or pasted from a mail or a chat: case, white space and
  // dashes do not matter.
  const std::string code = *BoardCode(Board(4, 4, kLetters), 4, 4);
  std::string typed;
  for (const char c : code)
    if (c != '-')
      typed += static_cast<char>(std::tolower(static_cast<unsigned char>(c))) + std::string(" ");
  for (const std::string& given :
       {typed, code + "\n", "\t" + code + "\r\n", code.substr(0, 9) + "\r\n" + code.substr(9),
        " \f\v" + code + std::string(200, ' ')}) {
    PuzzleRecord record;
    EXPECT_EQ(ReadBoardCode(given, record), BoardCodeResult::Ok) << given;
  }
}

TEST(BoardCodeTest, AnyOneWrongCharacterOrTwoSwappedNeighboursAreCaught) {
  const std::string code = *BoardCode(Board(5, 5, kLetters), 5, 5);
  const std::string symbols = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (size_t i = 4; i < code.size(); ++i) {  // past the size, which has its own checks
    if (code[i] == '-') continue;
    for (const char other : symbols) {
      if (other == code[i]) continue;
      std::string typo = code;
      typo[i] = other;
      PuzzleRecord record;
      EXPECT_NE(ReadBoardCode(typo, record), BoardCodeResult::Ok) << typo;
    }
  }
  std::string letters = code;
  std::erase(letters, '-');
  for (size_t i = 3; i + 1 < letters.size(); ++i) {
    if (letters[i] == letters[i + 1]) continue;
    std::string swapped = letters;
    std::swap(swapped[i], swapped[i + 1]);
    PuzzleRecord record;
    EXPECT_NE(ReadBoardCode(swapped, record), BoardCodeResult::Ok) << swapped;
  }
}

TEST(BoardCodeTest, ATextThatIsNoCodeIsRefusedAndChangesNothing) {
  const std::string good = *BoardCode(Board(4, 4, kLetters), 4, 4);
  std::string wrongCheck = good;
  wrongCheck.back() = wrongCheck.back() == 'A' ? 'B' : 'A';
  const struct {
    std::string code;
    BoardCodeResult result;
  } cases[] = {
      {"", BoardCodeResult::NotABoardCode},
      {std::string(10000, 'A'), BoardCodeResult::NotABoardCode},
      {"4X4-ÄBCD-EFGH-IJKL-MNOP-Q", BoardCodeResult::NotABoardCode},
      {"6X6-ABCD-EFGH-IJKL-MNOP-Q", BoardCodeResult::NotABoardCode},
      {"4X4-ABCD-EFGH-IJKL-MNO-Q", BoardCodeResult::NotABoardCode},
      {"4X4-ABCD-EFGH-IJKL-MN0P-Q", BoardCodeResult::NotABoardCode},
      {std::string("4X4\0ABCDEFGHIJKLMNOPQ", 21), BoardCodeResult::NotABoardCode},
      {wrongCheck, BoardCodeResult::WrongCheck},
  };
  for (const auto& [code, result] : cases) {
    PuzzleRecord record;
    record.PuzzleHeight = 7;
    EXPECT_EQ(ReadBoardCode(code, record), result) << code.substr(0, 40);
    EXPECT_EQ(record.PuzzleHeight, 7);
    EXPECT_FALSE(BoardCodeMessage(result).empty());
  }
}

TEST(BoardCodeTest, ABoardWithATileThatIsNoLetterHasNoCode) {
  EXPECT_FALSE(BoardCode(Board(4, 4, "ABCDEFGHIJKLMNO?"), 4, 4));
  LetterGrid blank;
  blank.Blank();
  EXPECT_FALSE(BoardCode(blank, 4, 4));
}

}  // namespace

namespace {

// A board of another language carries its language, its tiles after Z as digits, and
// the check covers the language too; English codes stay as they were.
TEST(BoardCodeTest, ABoardOfAnotherLanguageCarriesItsLanguageAndTiles) {
  const struct {
    std::string_view Code;
    std::string Letters;
    std::string Expected;
  } cases[] = {
      {"de", "B\xC4REN\xD6\xDCXABCDEFGH", "DE-4X4-B1RE-N23X-ABCD-EFGH-"},
      {"sv",
       "\xC5\xC4\xD6"
       "ABCDEFGHIJKLM",
       "SV-4X4-123A-BCDE-FGHI-JKLM-"},
      {"es", "NI\xD1OABCDEFGHIJKL", "ES-4X4-NI1O-ABCD-EFGH-IJKL-"},
      {"en", "ABCDEFGHIJKLMNOP", "4X4-ABCD-EFGH-IJKL-MNOP-"},
  };
  for (const auto& c : cases) {
    const Language& language = *FindLanguage(c.Code);
    const auto code = BoardCode(Board(4, 4, c.Letters), 4, 4, language);
    ASSERT_TRUE(code) << c.Code;
    EXPECT_EQ(code->substr(0, c.Expected.size()), c.Expected);
    PuzzleRecord record;
    const Language* read = nullptr;
    ASSERT_EQ(ReadBoardCode(*code, record, read), BoardCodeResult::Ok) << *code;
    EXPECT_EQ(read, &language);
    EXPECT_EQ(std::string(record.PuzzleLetters.begin(), record.PuzzleLetters.begin() + 4),
              c.Letters.substr(0, 4));
    // The same letters under another language's code fail the check.
    std::string relabelled = *code;
    if (c.Code != "en") {
      relabelled.replace(0, 2, "NL");
      EXPECT_NE(ReadBoardCode(relabelled, record), BoardCodeResult::Ok) << relabelled;
    }
  }
  // A tile of one language is no tile of another: Ñ has no code in German.
  EXPECT_FALSE(BoardCode(Board(4, 4, "NI\xD1OABCDEFGHIJKL"), 4, 4, *FindLanguage("de")));
  PuzzleRecord record;
  for (const char* code : {"XX-4X4-ABCD-EFGH-IJKL-MNOP-A", "EN-4X4-ABCD-EFGH-IJKL-MNOP-A",
                           "IT-4X4-ABCD-EFGH-IJKL-MNO1-A"})
    EXPECT_EQ(ReadBoardCode(code, record), BoardCodeResult::NotABoardCode) << code;
}

}  // namespace
