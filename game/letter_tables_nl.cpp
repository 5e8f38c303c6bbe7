// Made by tools/make_letter_tables from SPELNL.CLX: do not edit.
// clang-format off
// Scramble's tables for nl.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 4
//   "B" 1
//   "C" 1
//   "D" 3
//   "E" 10
//   "F" 1
//   "G" 2
//   "H" 1
//   "I" 4
//   "J" 1
//   "K" 2
//   "L" 3
//   "M" 1
//   "N" 5
//   "O" 3
//   "P" 1
//   "Q" 1
//   "R" 5
//   "S" 4
//   "T" 4
//   "U" 2
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
const LetterTables kLettersNl = {
    .Weights = {4, 1, 1, 3, 10, 1, 2, 1, 4, 1, 2, 3, 1, 5, 3, 1, 1, 5, 4, 4, 2, 1, 1, 1, 1, 1},
    .Fragments = {
        "EN", "ER", "TE", "DE", "GE", "EL", "ST", "AN", "RE",
        "IN", "ND", "LE", "ES", "VE", "BE", "IJ", "LA", "RI",
        "ET", "ON", "KE", "END", "RO", "RA", "VER", "AR", "AL",
        "TEN", "OR", "JE", "ME", "LI", "OP", "STE", "LO", "PE",
        "EK", "NE", "ERS", "DEN", "CH", "WE", "NT", "IS", "AS",
    },
};
// clang-format on
