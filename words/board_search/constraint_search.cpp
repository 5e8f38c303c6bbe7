#include "words/board_search/constraint_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int kMaxLetters = LetterGrid::kCells;
// The cells each position of the word can still take: its domain.
using Domains = std::array<CellSet, kMaxLetters>;
// A set of positions of the word: bit p for position p.
using Positions = uint32_t;

constexpr Positions Only(int position) { return Positions{1} << position; }

constexpr int LowestPosition(Positions positions) { return std::countr_zero(positions); }

// With CellCount's bit tricks: std::popcount may be a library call.
constexpr int PositionCount(Positions positions) { return CellCount(positions); }

// An empty domain counts as fixed too: it is only ever seen on the way to a failure.
constexpr bool IsFixed(CellSet domain) { return (domain & (domain - 1)) == 0; }

// Residual problems that failed: the domains of the positions still open, the fixed
// ones as 0. Once everything a fixed position implies has been propagated, the open
// domains alone decide whether the rest of the word fits, whatever cells the fixed
// positions took.
class FailedDomains {
 public:
  explicit FailedDomains(int length) : length_(length) {}

  bool Contains(const Domains& key) const {
    if (slots_.empty()) return false;
    const uint64_t hash = Hash(key);
    const size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const int index = slots_[slot];
      if (index < 0) return false;
      if (hashes_[index] == hash &&
          std::memcmp(&keys_[size_t(index) * length_], key.data(), length_ * sizeof(CellSet)) == 0)
        return true;
    }
  }

  void Insert(const Domains& key) {
    if ((hashes_.size() + 1) * 2 > slots_.size()) Grow();
    const uint64_t hash = Hash(key);
    Place(hash, static_cast<int>(hashes_.size()));
    hashes_.push_back(hash);
    keys_.insert(keys_.end(), key.begin(), key.begin() + length_);
  }

 private:
  uint64_t Hash(const Domains& key) const {
    uint64_t hash = 0x9E3779B97F4A7C15ull;
    for (int position = 0; position < length_; ++position) {
      hash ^= key[position];
      hash *= 0xff51afd7ed558ccdull;
      hash ^= hash >> 29;
    }
    return hash;
  }

  void Place(uint64_t hash, int index) {
    const size_t mask = slots_.size() - 1;
    size_t slot = hash & mask;
    while (slots_[slot] >= 0) slot = (slot + 1) & mask;
    slots_[slot] = index;
  }

  void Grow() {
    slots_.assign(slots_.empty() ? 1024 : slots_.size() * 2, -1);
    for (size_t index = 0; index < hashes_.size(); ++index)
      Place(hashes_[index], static_cast<int>(index));
  }

  const int length_;
  std::vector<int> slots_;  // an index into hashes_, or -1 when empty
  std::vector<uint64_t> hashes_;
  std::vector<CellSet> keys_;  // length_ domains per entry
};

// Placements of one letter's open positions tried before, in one try: a placement
// continued from the same occurrence, with the same cells taken and the same cells
// allowed to it, fails again. Kept over tries (each try has its own number) so that
// the table is cleared only when it is made.
class FailedPlacements {
 public:
  void NextTry() { ++try_; }

  bool Contains(uint64_t key) const {
    const Entry& entry = entries_[SlotOf(key)];
    return entry.key == key && entry.tryNumber == try_;
  }

  void Insert(uint64_t key) { entries_[SlotOf(key)] = {key, try_}; }

 private:
  static constexpr int kSlotBits = 12;

  static size_t SlotOf(uint64_t key) { return (key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits); }

  struct Entry {
    uint64_t key = 0;
    uint32_t tryNumber = 0;
  };
  std::vector<Entry> entries_ = std::vector<Entry>(size_t{1} << kSlotBits);
  uint32_t try_ = 0;
};

}  // namespace

class ConstraintSearch::Solver {
 public:
  Solver(const LetterCells& cells, const std::string& word)
      : length_(static_cast<int>(word.size())), failed_(length_) {
    std::array<int, 256> ids;
    ids.fill(-1);
    for (int position = 0; position < length_; ++position) {
      const unsigned char letter = static_cast<unsigned char>(word[position]);
      if (ids[letter] < 0) ids[letter] = letterCount_++;
      letterIds_[position] = ids[letter];
      positionsOf_[ids[letter]] |= Only(position);
      root_[position] = cells[letter];
    }
    for (int position = 0; position < length_; ++position) {
      for (const int beside : {position - 1, position + 1})
        if (beside >= 0 && beside < length_) ++besideHolding_[letterIds_[beside]][position];
    }
    matchOf_.fill(kNone);
    holderOf_.fill(kNone);
  }

  // The root's narrowing is the dearest of all (it filters the most), so it is done
  // once and every later call starts from its result.
  Outcome Run(int64_t budget) {
    budget_ = budget;
    const Deeper deeper(depth_);
    if (!rootNarrowed_) {
      if (!Propagate(root_, AllPositions())) return Outcome::NotFound;
      rootNarrowed_ = true;
    }
    Domains domains = root_;
    return Choose(domains);
  }

 private:
  static constexpr int kNone = -1;

  Positions AllPositions() const { return (Positions{1} << length_) - 1; }

  Positions OpenPositions(const Domains& d, Positions among) const {
    Positions open = 0;
    for (; among != 0; among &= among - 1)
      if (!IsFixed(d[LowestPosition(among)])) open |= among & -among;
    return open;
  }

  // ---- The search ----

  Outcome Search(Domains& d, Positions changed) {
    if (--budget_ < 0) return Outcome::OutOfBudget;
    const Deeper deeper(depth_);
    if (!Propagate(d, changed)) return Outcome::NotFound;
    return Choose(d);
  }

  // The next choice at a node whose domains are narrowed, and the nodes below it.
  Outcome Choose(Domains& d) {
    if (depth_ <= kDegreeBoundDepth && !EdgesBetweenLettersFit(d)) return Outcome::NotFound;
    const int smallest = SmallestOpenDomain(d);
    if (smallest == kNone) return Outcome::Found;  // every position fixed, and consistent
    Domains key{};
    for (int position = 0; position < length_; ++position)
      key[position] = IsFixed(d[position]) ? 0 : d[position];
    if (failed_.Contains(key)) return Outcome::NotFound;
    std::optional<Outcome> outcome = BranchOnTightCell(d, CellCount(d[smallest]));
    if (!outcome) outcome = BranchOnCellOf(d, smallest);
    if (*outcome == Outcome::NotFound) failed_.Insert(key);
    return *outcome;
  }

  struct Deeper {
    explicit Deeper(int& counter) : depth(++counter) {}
    ~Deeper() { --depth; }
    int& depth;
  };

  // The open position with the fewest cells, the fail-first choice; among those, one
  // with fewer fixed positions beside it, which did better on the hardest cases known
  // than the other way round.
  int SmallestOpenDomain(const Domains& d) const {
    int best = kNone;
    int bestSize = kMaxLetters + 1;
    int bestFixedBeside = 0;
    for (int position = 0; position < length_; ++position) {
      const int size = CellCount(d[position]);
      if (size < 2) continue;
      const int fixedBeside = (position > 0 && IsFixed(d[position - 1])) +
                              (position + 1 < length_ && IsFixed(d[position + 1]));
      if (size < bestSize || (size == bestSize && fixedBeside < bestFixedBeside)) {
        best = position;
        bestSize = size;
        bestFixedBeside = fixedBeside;
      }
    }
    return best;
  }

  // Branching on a position that has to take one of its cells, the cell with the fewest
  // neighbours open to anyone first: taking it early keeps a corner from being cut off.
  Outcome BranchOnCellOf(Domains& d, int position) {
    CellSet open = 0;
    for (int other = 0; other < length_; ++other)
      if (!IsFixed(d[other])) open |= d[other];
    int cell = 0;
    int fewest = kMaxLetters;
    for (CellSet cells = d[position]; cells != 0; cells &= cells - 1) {
      const int exits = CellCount(kNeighboursOf[LowestCell(cells)] & open);
      if (exits < fewest) {
        fewest = exits;
        cell = LowestCell(cells);
      }
    }
    Domains taken = d;
    taken[position] = Bit(cell);
    if (const Outcome outcome = Search(taken, Only(position)); outcome != Outcome::NotFound)
      return outcome;
    d[position] &= ~Bit(cell);  // this node's domains are not needed any more
    return Search(d, Only(position));
  }

  // When a letter has as many open cells as open positions, every one of those cells is
  // used, and which position takes a given cell is often a choice among two or three:
  // fewer branches than any position has cells. With one cell to spare, the cell may
  // also stay unused. Nothing when no such cell beats `fewestBranches`.
  std::optional<Outcome> BranchOnTightCell(Domains& d, int fewestBranches) {
    std::array<int, kMaxLetters> spare{};
    std::array<CellSet, kMaxLetters> letterOpen{};
    std::array<Positions, LetterGrid::kCells + 1> takers{};
    for (int position = 0; position < length_; ++position) {
      if (IsFixed(d[position])) continue;
      letterOpen[letterIds_[position]] |= d[position];
      --spare[letterIds_[position]];
      for (CellSet cells = d[position]; cells != 0; cells &= cells - 1)
        takers[LowestCell(cells)] |= Only(position);
    }
    CellSet allUsed = 0;
    CellSet oneSpare = 0;
    for (int id = 0; id < letterCount_; ++id) {
      const int slack = spare[id] + CellCount(letterOpen[id]);
      if (slack == 0) allUsed |= letterOpen[id];
      if (slack == 1) oneSpare |= letterOpen[id];
    }
    int cell = 0;
    for (CellSet cells = allUsed | oneSpare; cells != 0; cells &= cells - 1) {
      const int at = LowestCell(cells);
      const int branches = PositionCount(takers[at]) + ((oneSpare & Bit(at)) != 0);
      if (branches < fewestBranches) {
        fewestBranches = branches;
        cell = at;
      }
    }
    if (cell == 0) return std::nullopt;
    Positions notTaken = 0;
    for (Positions rest = takers[cell]; rest != 0; rest &= rest - 1) {
      const int position = LowestPosition(rest);
      Domains taken = d;
      taken[position] = Bit(cell);
      if (const Outcome outcome = Search(taken, notTaken | Only(position));
          outcome != Outcome::NotFound)
        return outcome;
      d[position] &= ~Bit(cell);  // this node's domains are not needed any more
      notTaken |= Only(position);
    }
    if ((oneSpare & Bit(cell)) != 0) return Search(d, notTaken);
    return Outcome::NotFound;
  }

  // ---- Propagation ----

  // Narrows the domains, starting from the positions whose domains `changed`, until no
  // rule narrows them further. False when some position is left without a cell.
  bool Propagate(Domains& d, Positions changed) {
    while (true) {
      if (!PropagateAlongWord(d, changed)) return false;
      changed = 0;
      if (!AllDifferent(d, changed)) return false;
      if (changed != 0) continue;
      if (!RareLettersPlace(d, changed)) return false;
      if (changed == 0) return true;
    }
  }

  // The cheap rules, to their fixpoint: a fixed cell is nobody else's, and each position
  // lies next to a cell of the positions beside it, a position inside the word next to
  // two distinct ones.
  bool PropagateAlongWord(Domains& d, Positions changed) {
    while (changed != 0) {
      const int position = LowestPosition(changed);
      changed &= changed - 1;
      if (IsFixed(d[position])) {
        for (Positions others = positionsOf_[letterIds_[position]] & ~Only(position); others != 0;
             others &= others - 1) {
          const int other = LowestPosition(others);
          if ((d[other] & d[position]) == 0) continue;
          d[other] &= ~d[position];
          if (d[other] == 0) return false;
          changed |= Only(other);
        }
      }
      for (const int beside : {position - 1, position + 1}) {
        if (beside < 0 || beside >= length_) continue;
        const CellSet kept = d[beside] & NextToItsNeighbours(d, beside);
        if (kept == d[beside]) continue;
        if (kept == 0) return false;
        d[beside] = kept;
        changed |= Only(beside);
      }
    }
    return true;
  }

  CellSet NextToItsNeighbours(const Domains& d, int position) const {
    CellSet next = kAllCells;
    if (position > 0) next &= Neighbours(d[position - 1]);
    if (position + 1 < length_) next &= Neighbours(d[position + 1]);
    if (position > 0 && position + 1 < length_)
      next &= NextToTwo(d[position - 1] | d[position + 1]);
    return next;
  }

  // All positions take distinct cells: a cell of a position's domain stays only if some
  // assignment of distinct cells to every position gives it that cell. One matching of
  // positions to cells serves every letter (their cells never overlap), and it is kept
  // from call to call: most of it still holds after a choice, so only a few positions
  // need a new cell. Then a cell can go to another position only along an alternating
  // path: to a cell no position holds, or around a cycle of the matching (strongly
  // connected positions).
  bool AllDifferent(Domains& d, Positions& changed) {
    if (!MatchEveryPosition(d)) return false;
    CellSet matched = 0;
    CellSet all = 0;
    for (int position = 0; position < length_; ++position) {
      matched |= Bit(matchOf_[position]);
      all |= d[position];
    }
    // p -> q when p can take q's cell.
    std::array<Positions, kMaxLetters> successors{};
    std::array<Positions, kMaxLetters> predecessors{};
    Positions canMove = 0;  // positions with a path to a cell nobody holds
    for (int position = 0; position < length_; ++position) {
      if ((d[position] & ~matched) != 0) canMove |= Only(position);
      for (CellSet cells = d[position] & matched & ~Bit(matchOf_[position]); cells != 0;
           cells &= cells - 1) {
        const int holder = holderOf_[LowestCell(cells)];
        successors[position] |= Only(holder);
        predecessors[holder] |= Only(position);
      }
    }
    canMove = Reached(canMove, predecessors, AllPositions());
    CellSet movable = all & ~matched;  // cells that can change hands along such a path
    for (Positions moving = canMove; moving != 0; moving &= moving - 1)
      movable |= Bit(matchOf_[LowestPosition(moving)]);
    Narrow(d, canMove, movable, changed);
    for (Positions rest = AllPositions() & ~canMove; rest != 0;) {
      const Positions start = rest & -rest;
      const Positions component =
          Reached(start, successors, rest) & Reached(start, predecessors, rest);
      rest &= ~component;
      CellSet own = 0;
      for (Positions inside = component; inside != 0; inside &= inside - 1)
        own |= Bit(matchOf_[LowestPosition(inside)]);
      Narrow(d, component, own, changed);
    }
    return true;
  }

  static void Narrow(Domains& d, Positions positions, CellSet allowed, Positions& changed) {
    for (; positions != 0; positions &= positions - 1) {
      const int position = LowestPosition(positions);
      if ((d[position] & ~allowed) == 0) continue;
      d[position] &= allowed;
      changed |= Only(position);
    }
  }

  // The positions `from` and those reached from them along `edges`, within `within`.
  static Positions Reached(Positions from, const std::array<Positions, kMaxLetters>& edges,
                           Positions within) {
    Positions reached = from;
    for (Positions frontier = from; frontier != 0;) {
      Positions next = 0;
      for (; frontier != 0; frontier &= frontier - 1) next |= edges[LowestPosition(frontier)];
      frontier = next & within & ~reached;
      reached |= frontier;
    }
    return reached;
  }

  bool MatchEveryPosition(const Domains& d) {
    for (int position = 0; position < length_; ++position) {
      const int cell = matchOf_[position];
      if (cell != kNone && (d[position] & Bit(cell)) == 0) {
        holderOf_[cell] = kNone;
        matchOf_[position] = kNone;
      }
    }
    for (int position = 0; position < length_; ++position) {
      CellSet tried = 0;
      if (matchOf_[position] == kNone && !FindCellFor(d, position, tried)) return false;
    }
    return true;
  }

  // Gives `position` a cell of its domain, moving the holder of that cell to another of
  // its cells where needed (an augmenting path); `tried` keeps each cell to one visit.
  bool FindCellFor(const Domains& d, int position, CellSet& tried) {
    for (CellSet cells = d[position] & ~tried; cells != 0; cells &= cells - 1) {
      const int cell = LowestCell(cells);
      if ((tried & Bit(cell)) != 0) continue;
      tried |= Bit(cell);
      if (holderOf_[cell] == kNone || FindCellFor(d, holderOf_[cell], tried)) {
        holderOf_[cell] = position;
        matchOf_[position] = cell;
        return true;
      }
    }
    return false;
  }

  // A letter with few open cells pins the path down: its open positions take distinct
  // cells, and each lies within reach of the one before it along the domains between
  // them. Trying the placements together sees what the rules above, one position or one
  // pair at a time, miss. At the root every cell no placement uses leaves its domain;
  // deeper down only whether a placement is left is checked. Placing is exponential in
  // the letter's count, so each try is bounded, and a letter whose tries ran out is left
  // alone for a while, longer each time.
  bool RareLettersPlace(Domains& d, Positions& changed) {
    for (int id = 0; id < letterCount_; ++id) {
      Placement placement(d);
      for (Positions open = OpenPositions(d, positionsOf_[id]); open != 0; open &= open - 1) {
        const int position = LowestPosition(open);
        placement.open |= d[position];
        placement.at[placement.count++] = position;
      }
      if (placement.count < 2 || CellCount(placement.open) > kRareCells) continue;
      if (skips_[id] > 0) {
        --skips_[id];
        continue;
      }
      const bool placeable =
          depth_ <= 1 ? KeepPlacedCells(placement, d, changed) : PlacementLeft(placement);
      if (placement.steps > kPlacementSteps) {
        backoff_[id] = backoff_[id] * 2 + 1;
        skips_[id] = backoff_[id];
        continue;
      }
      backoff_[id] = 0;
      if (!placeable) return false;
    }
    return true;
  }

  static constexpr int kRareCells = 10;
  static constexpr int kPlacementSteps = 2000;

  struct Placement {
    explicit Placement(const Domains& d) : domains(d) {}

    const Domains& domains;             // those the walks between occurrences go through
    std::array<int, kMaxLetters> at{};  // the letter's open positions, in order
    int count = 0;
    CellSet open = 0;                     // the cells of their domains
    std::array<int, kMaxLetters> cell{};  // of each occurrence, in the placement being built
    int steps = 0;
    // [i][cell of occurrence i]: the cells occurrence i + 1 can reach, as far as known.
    std::array<std::array<CellSet, LetterGrid::kCells + 1>, kMaxLetters> reach;
    std::array<CellSet, kMaxLetters> reachKnown{};

    CellSet Reach(int index, int from) {
      if ((reachKnown[index] & Bit(from)) == 0) {
        CellSet walk = Bit(from);
        for (int position = at[index] + 1; position <= at[index + 1] && walk != 0; ++position)
          walk = Neighbours(walk) & domains[position];
        reach[index][from] = walk;
        reachKnown[index] |= Bit(from);
      }
      return reach[index][from];
    }
  };

  // False when a placement that fixes the occurrences to cells of `d` fails.
  bool PlacementLeft(Placement& placement) {
    if (LastPlacementFits(placement)) return true;
    failedPlacements_.NextTry();
    if (!Place(placement, placement.domains, 0, 0, kAllCells)) return false;
    for (int index = 0; index < placement.count; ++index)
      placedCell_[placement.at[index]] = placement.cell[index];
    return true;
  }

  // The placement found last often still fits a node further down.
  bool LastPlacementFits(Placement& placement) const {
    CellSet used = 0;
    for (int index = 0; index < placement.count; ++index) {
      const int cell = placedCell_[placement.at[index]];
      if (cell == 0 || (placement.domains[placement.at[index]] & ~used & Bit(cell)) == 0)
        return false;
      if (index > 0 &&
          (placement.Reach(index - 1, placedCell_[placement.at[index - 1]]) & Bit(cell)) == 0)
        return false;
      used |= Bit(cell);
    }
    return true;
  }

  // Takes every cell no placement uses out of its domain; false when none is left.
  bool KeepPlacedCells(Placement& placement, Domains& d, Positions& changed) {
    std::array<CellSet, kMaxLetters> placed{};
    for (int index = 0; index < placement.count; ++index) {
      const int position = placement.at[index];
      for (CellSet untried = d[position] & ~placed[index]; untried != 0; untried &= untried - 1) {
        const CellSet cell = untried & -untried;
        if ((placed[index] & cell) != 0) continue;
        Domains trial = d;
        trial[position] = cell;
        failedPlacements_.NextTry();
        const bool found = Place(placement, trial, 0, 0, kAllCells);
        if (placement.steps > kPlacementSteps) return true;
        if (found) {
          for (int other = 0; other < placement.count; ++other) {
            placed[other] |= Bit(placement.cell[other]);
            placedCell_[placement.at[other]] = placement.cell[other];
          }
          continue;
        }
        d[position] &= ~cell;
        if (d[position] == 0) return false;
        changed |= Only(position);
      }
    }
    return true;
  }

  // Places occurrences from `index` on, avoiding the cells `used`, occurrence `index`
  // on a cell of `allowed`.
  bool Place(Placement& placement, const Domains& d, int index, CellSet used, CellSet allowed) {
    if (index == placement.count) return true;
    if (CellCount(placement.open & ~used) < placement.count - index) return false;
    for (int later = index + 1; later < placement.count; ++later)
      if ((d[placement.at[later]] & ~used) == 0) return false;
    // What is left depends only on these three.
    const uint64_t key = uint64_t(index) << 50 | uint64_t(allowed) << 25 | used;
    if (failedPlacements_.Contains(key)) return false;
    for (CellSet cells = d[placement.at[index]] & allowed & ~used; cells != 0; cells &= cells - 1) {
      if (++placement.steps > kPlacementSteps) return false;
      const int cell = LowestCell(cells);
      placement.cell[index] = cell;
      const CellSet next = index + 1 < placement.count ? placement.Reach(index, cell) : kAllCells;
      if (Place(placement, d, index + 1, used | Bit(cell), next)) return true;
      if (placement.steps > kPlacementSteps) return false;
    }
    failedPlacements_.Insert(key);
    return false;
  }

  // Near the root only: worth its cost where a refutation saves a large subtree.
  static constexpr int kDegreeBoundDepth = 3;

  // Between letters L and M: an open position p of letter L has, in the word,
  // besideHolding_[M][p] neighbours holding M, and the path puts each on its own cell
  // next to p's cell. In a patch of open L cells with the M cells around it, j used
  // cells need the j smallest such counts in steps to those M cells: at most as many as
  // the M positions that can take those cells have L beside them, and fewer than j plus
  // the M cells (the path's steps among a set of cells are fewer than the cells). The
  // patches together must seat every open L position.
  bool EdgesBetweenLettersFit(const Domains& d) const {
    for (int l = 0; l < letterCount_; ++l) {
      const Positions openL = OpenPositions(d, positionsOf_[l]);
      if (openL == 0) continue;
      CellSet cellsL = 0;
      for (Positions rest = openL; rest != 0; rest &= rest - 1) cellsL |= d[LowestPosition(rest)];
      for (int m = 0; m < letterCount_; ++m)
        if (m != l && !SeatsFor(d, l, openL, cellsL, m)) return false;
    }
    return true;
  }

  bool SeatsFor(const Domains& d, int l, Positions openL, CellSet cellsL, int m) const {
    CellSet cellsM = 0;
    for (Positions rest = positionsOf_[m]; rest != 0; rest &= rest - 1)
      cellsM |= d[LowestPosition(rest)];
    int seats = 0;
    for (CellSet rest = cellsL; rest != 0;) {
      const CellSet patch = ConnectedWithin(rest & -rest, rest);
      rest &= ~patch;
      std::array<int, 3> positionsByNeed{};  // open L positions meeting the patch, by M beside
      for (Positions inside = openL; inside != 0; inside &= inside - 1) {
        const int position = LowestPosition(inside);
        if ((d[position] & patch) != 0) ++positionsByNeed[besideHolding_[m][position]];
      }
      const CellSet aroundM = Neighbours(patch) & cellsM;
      const int around = CellCount(aroundM);
      std::array<int, 3> positionsByCapacity{};  // M positions that can sit around, by L beside
      for (Positions inside = positionsOf_[m]; inside != 0; inside &= inside - 1) {
        const int position = LowestPosition(inside);
        if ((d[position] & aroundM) != 0) ++positionsByCapacity[besideHolding_[l][position]];
      }
      int capacity = 0;
      for (int beside = 2, cellsLeft = around; beside > 0 && cellsLeft > 0; --beside) {
        const int taking = std::min(cellsLeft, positionsByCapacity[beside]);
        capacity += taking * beside;
        cellsLeft -= taking;
      }
      const int size = CellCount(patch);
      int used = 0;
      int need = 0;
      int seated = 0;
      for (int beside = 0; beside < 3; ++beside)
        for (int k = 0; k < positionsByNeed[beside] && used < size; ++k) {
          ++used;
          need += beside;
          if (need <= capacity && need <= used + around - 1) seated = used;
        }
      seats += seated;
    }
    return seats >= PositionCount(openL);
  }

  const int length_;
  int letterCount_ = 0;
  std::array<int, kMaxLetters> letterIds_{};
  std::array<Positions, kMaxLetters> positionsOf_{};  // per letter
  // [letter][position]: how many of the position's neighbours in the word hold the letter.
  std::array<std::array<int, kMaxLetters>, kMaxLetters> besideHolding_{};
  Domains root_{};
  bool rootNarrowed_ = false;

  int64_t budget_ = 0;
  int depth_ = 0;
  FailedDomains failed_;

  std::array<int, kMaxLetters> matchOf_{};              // per position: its matched cell
  std::array<int, LetterGrid::kCells + 1> holderOf_{};  // per cell: the position matched to it

  FailedPlacements failedPlacements_;
  std::array<int, kMaxLetters> placedCell_{};  // per position: its cell in the last placement
  std::array<int, kMaxLetters> skips_{};       // per letter: placements not to try
  std::array<int, kMaxLetters> backoff_{};     // per letter: skips after the next time out
};

ConstraintSearch::ConstraintSearch(const LetterCells& cells, const std::string& word)
    : solver_(std::make_unique<Solver>(cells, word)) {}

ConstraintSearch::~ConstraintSearch() = default;
ConstraintSearch::ConstraintSearch(ConstraintSearch&&) noexcept = default;
ConstraintSearch& ConstraintSearch::operator=(ConstraintSearch&&) noexcept = default;

ConstraintSearch::Outcome ConstraintSearch::Run(int64_t budget) { return solver_->Run(budget); }
