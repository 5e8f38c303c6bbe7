#pragma once

#include "match/match_judging.h"

// A 4 x 4 board and its words:   C A T S
//                                E R A X
//                                D O G Q
//                                Q Q Q Q
inline MatchBoard TestMatchBoard() {
  MatchBoard board;
  const std::string letters = "CATS ERAX DOGQ QQQQ ";
  for (int cell = 1; cell <= 20; ++cell) board.Grid.Letters[cell] = letters[cell - 1];
  board.Grid.ComputeCellOnBoard(4, 4);
  board.Settings.Height = 4;
  board.Settings.Width = 4;
  board.Words = {"ART", "CARE", "CAT", "CATS", "DOG", "EAR", "RAT", "TAR"};
  return board;
}
