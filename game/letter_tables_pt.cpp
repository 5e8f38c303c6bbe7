// Made by tools/make_letter_tables from SPELPT.CLX: do not edit.
// clang-format off
// Scramble's tables for pt.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 1
//   "C" 3
//   "D" 2
//   "E" 7
//   "F" 1
//   "G" 1
//   "H" 1
//   "I" 6
//   "J" 1
//   "K" 1
//   "L" 2
//   "M" 3
//   "N" 3
//   "O" 5
//   "P" 1
//   "Q" 1
//   "R" 6
//   "S" 7
//   "T" 3
//   "U" 2
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
const LetterTables kLettersPt = {
    .Weights = {10, 1, 3, 2, 7, 1, 1, 1, 6, 1, 1, 2, 3, 3, 5, 1, 1, 6, 7, 3, 2, 1, 1, 1, 1, 1},
    .Fragments = {
        "AR", "RA", "RE", "AS", "ES", "AM", "CA", "AD", "IS",
        "OS", "TA", "EM", "ARA", "TE", "DO", "DA", "DE", "RI",
        "IN", "VA", "AL", "CO", "EN", "AN", "AVA", "LA", "OR",
        "ER", "AV", "ADO", "ARE", "MO", "ADA", "ST", "RO", "MA",
        "SE", "SA", "MOS", "EIS", "GA", "TO", "IR", "AC", "AT",
    },
};
// clang-format on
