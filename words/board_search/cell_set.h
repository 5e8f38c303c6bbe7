#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "game/letter_grid.h"

// A set of board cells: bit (cell - 1) stands for cell 1..25. Moving every cell of a
// set by +d cells is a shift by d, so a step from all of them at once is a few shifts.
using CellSet = uint32_t;

constexpr CellSet kAllCells = (CellSet{1} << LetterGrid::kCells) - 1;
constexpr CellSet kColumn1 = 0b00001'00001'00001'00001'00001;
constexpr CellSet kColumn5 = kColumn1 << 4;

// For every byte, the cells on the board that hold it.
using LetterCells = std::array<CellSet, 256>;

constexpr CellSet CellsOf(const LetterCells& cells, char letter) {
  return cells[static_cast<unsigned char>(letter)];
}

constexpr CellSet Bit(int cell) { return CellSet{1} << (cell - 1); }

// The cells on the board that hold each byte.
inline LetterCells CellsByLetter(const LetterGrid& grid) {
  LetterCells cells{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell)
    if (grid.CellOnBoard[cell]) cells[static_cast<unsigned char>(grid.Letters[cell])] |= Bit(cell);
  return cells;
}

// Counted by bit tricks: without a popcount instruction in the target, std::popcount
// becomes a library call, and the searches count cells at every step.
constexpr int CellCount(CellSet cells) {
  cells -= (cells >> 1) & 0x55555555u;
  cells = (cells & 0x33333333u) + ((cells >> 2) & 0x33333333u);
  return static_cast<int>((((cells + (cells >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

constexpr int LowestCell(CellSet cells) { return std::countr_zero(cells) + 1; }

// The cells one king move away from some cell of `cells`: the moves sideways (the
// column masks stop those that would wrap to the other edge), and then every move up or
// down is one from a cell of `cells` or beside it.
constexpr CellSet Neighbours(CellSet cells) {
  const CellSet sideways = ((cells & ~kColumn1) >> 1) | ((cells & ~kColumn5) << 1);
  const CellSet row = cells | sideways;
  return sideways | row >> 5 | ((row << 5) & kAllCells);
}

// The neighbours of each single cell, looked up: the search asks for them at every step.
inline constexpr std::array<CellSet, LetterGrid::kCells + 1> kNeighboursOf = [] {
  std::array<CellSet, LetterGrid::kCells + 1> table{};
  for (int cell = 1; cell <= LetterGrid::kCells; ++cell) table[cell] = Neighbours(Bit(cell));
  return table;
}();

// The cells at most `moves` king moves from `cell`, on or off the board.
constexpr CellSet WithinKingMoves(int cell, int moves) {
  CellSet reached = Bit(cell);
  for (int move = 0; move < moves && reached != kAllCells; ++move) reached |= Neighbours(reached);
  return reached;
}

// The cells of `allowed` connected to `from` through cells of `allowed`.
constexpr CellSet ConnectedWithin(CellSet from, CellSet allowed) {
  CellSet patch = from & allowed;
  while (true) {
    const CellSet grown = (patch | Neighbours(patch)) & allowed;
    if (grown == patch) return patch;
    patch = grown;
  }
}

// The cells with at least two neighbours in `cells`: the neighbours are counted, up to
// two, in three groups (the row above, the row below, beside in the same row).
constexpr CellSet NextToTwo(CellSet cells) {
  const CellSet left = (cells & ~kColumn5) << 1;  // cells whose left neighbour is in `cells`
  const CellSet right = (cells & ~kColumn1) >> 1;
  const CellSet rowAny = left | cells | right;
  const CellSet rowTwo = (left & cells) | (left & right) | (cells & right);
  const CellSet aboveAny = (rowAny << 5) & kAllCells;
  const CellSet aboveTwo = (rowTwo << 5) & kAllCells;
  const CellSet belowAny = rowAny >> 5;
  const CellSet belowTwo = rowTwo >> 5;
  const CellSet besideAny = left | right;
  const CellSet besideTwo = left & right;
  return aboveTwo | belowTwo | besideTwo | (aboveAny & belowAny) | (aboveAny & besideAny) |
         (belowAny & besideAny);
}
