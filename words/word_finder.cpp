#include "words/word_finder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"

namespace {

using Range = CompiledLexicon::Range;

// The cells a path may step to from `cell`, in the order the board search tries them.
std::vector<int> Neighbours(const LetterGrid& grid, int cell, bool repeats) {
  const bool firstColumn = cell % LetterGrid::kStride == 1;
  const bool lastColumn = cell % LetterGrid::kStride == 0;
  struct Move {
    int Offset;
    bool Available;
  };
  const Move moves[] = {{-6, !firstColumn}, {-5, true},         {-4, !lastColumn},
                        {+1, !lastColumn},  {+6, !lastColumn},  {+5, true},
                        {+4, !firstColumn}, {-1, !firstColumn}, {0, repeats}};
  std::vector<int> targets;
  for (const Move& move : moves) {
    const int target = cell + move.Offset;
    if (move.Available && target >= 1 && target <= LetterGrid::kCells && grid.CellOnBoard[target]) {
      targets.push_back(target);
    }
  }
  return targets;
}

// The engine reads a word only up to a NUL byte, and a guess is upper-cased as it is
// entered, so it never matches a lower-case letter a hand-made puzzle file put there.
bool Playable(char letter) { return letter != '\0' && !IsLatin1Small(letter); }

class Walk {
 public:
  Walk(const LetterGrid& grid, const SessionWords& words, int32_t minimumWordLength, bool repeats)
      : grid_(grid), words_(words), repeats_(repeats) {
    // A path steps at least once, so a single letter is never on the board.
    shortest_ = static_cast<std::size_t>(std::max<int32_t>(minimumWordLength, 2));
    // The player's added words, sorted once, are walked like a compiled lexicon.
    listedBytes_ = CompiledLexiconBytes(words.Listed, 0);
    listed_ = CompiledLexicon::FromBytes(
        reinterpret_cast<const unsigned char*>(listedBytes_.data()), listedBytes_.size(),
        /*verifyChecksum=*/false);  // made just now, not read from outside
    lexicons_ = words.Compiled;
    if (listed_) lexicons_.push_back(listed_.get());
    ranges_.assign(kLongestCheckedWord + 1, std::vector<Range>(lexicons_.size()));
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
      neighbours_[cell] = Neighbours(grid, cell, repeats);
  }

  std::vector<BoardWord> Run() {
    for (std::size_t i = 0; i < lexicons_.size(); ++i) ranges_[0][i] = lexicons_[i]->AllWords();
    for (int cell = 1; cell <= LetterGrid::kCells; ++cell) {
      if (grid_.CellOnBoard[cell]) Step(cell, 0);
    }
    return std::move(found_);
  }

 private:
  // The word so far has `depth` letters; tries `cell` as its next one.
  void Step(int cell, std::size_t depth) {
    const char letter = grid_.Letters[cell];
    if (!Playable(letter) || depth >= kLongestCheckedWord) return;
    if (!Narrow(depth, SessionWords::Fold(letter))) return;
    word_.push_back(letter);
    folded_.push_back(SessionWords::Fold(letter));
    path_.push_back(cell);
    Extend(cell, depth + 1);
    path_.pop_back();
    folded_.pop_back();
    word_.pop_back();
  }

  // The word so far has `depth` letters and ends on `cell`.
  void Extend(int cell, std::size_t depth) {
    if (repeats_) {
      // Where a cell may serve again, what follows depends only on the letters so far and
      // the last cell, not on the way there: walk each such pair once.
      uint32_t& walked = walkedCells_[word_];
      if (walked & (1u << cell)) return;
      walked |= 1u << cell;
    }
    if (depth >= shortest_ && IsWord(depth)) Record();
    visited_[cell] = true;
    for (int next : neighbours_[cell]) {
      if (!repeats_ && visited_[next]) continue;
      Step(next, depth);
    }
    visited_[cell] = false;
  }

  // Narrows the ranges of `depth` letters to those whose next letter is `folded`; false
  // when no lexicon holds a word that begins so.
  bool Narrow(std::size_t depth, char folded) {
    bool any = false;
    for (std::size_t i = 0; i < lexicons_.size(); ++i) {
      const Range& from = ranges_[depth][i];
      Range& to = ranges_[depth + 1][i];
      to = from.Empty() ? Range{} : lexicons_[i]->Narrow(from, depth, folded);
      any = any || !to.Empty();
    }
    return any;
  }

  bool IsWord(std::size_t depth) const {
    bool held = false;
    for (std::size_t i = 0; i < lexicons_.size() && !held; ++i) {
      const Range& range = ranges_[depth][i];
      // A word sorts before every longer word it begins.
      held = !range.Empty() && lexicons_[i]->WordAt(range.First).size() == depth;
    }
    return held && !std::binary_search(words_.Excluded.begin(), words_.Excluded.end(), folded_);
  }

  void Record() {
    if (recorded_.insert(word_).second) found_.push_back({word_, path_});
  }

  const LetterGrid& grid_;
  const SessionWords& words_;
  const bool repeats_;
  std::size_t shortest_ = 2;
  std::string listedBytes_;
  std::unique_ptr<CompiledLexicon> listed_;
  std::vector<const CompiledLexicon*> lexicons_;
  // ranges_[d][i]: the words of lexicon i that begin with the first d letters so far.
  std::vector<std::vector<Range>> ranges_;
  std::array<std::vector<int>, LetterGrid::kCells + 1> neighbours_;
  std::array<bool, LetterGrid::kCells + 1> visited_{};
  std::string word_;
  std::string folded_;
  std::vector<int> path_;
  std::unordered_map<std::string, uint32_t> walkedCells_;
  std::unordered_set<std::string> recorded_;
  std::vector<BoardWord> found_;
};

}  // namespace

std::vector<BoardWord> FindWords(const LetterGrid& grid, const CheckSession& session,
                                 int32_t minimumWordLength, bool repeatingLettersAllowed) {
  SessionWords words;
  if (!SE_GetSessionWords(session.Session, words)) return {};
  return FindWords(grid, words, minimumWordLength, repeatingLettersAllowed);
}

std::vector<BoardWord> FindWords(const LetterGrid& grid, const SessionWords& words,
                                 int32_t minimumWordLength, bool repeatingLettersAllowed) {
  return Walk(grid, words, minimumWordLength, repeatingLettersAllowed).Run();
}
