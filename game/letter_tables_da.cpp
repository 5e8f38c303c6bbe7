// Made by tools/make_letter_tables from SPELDA.CLX: do not edit.
// clang-format off
// Scramble's tables for da.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 3
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
//   "M" 2
//   "N" 6
//   "O" 2
//   "P" 1
//   "Q" 1
//   "R" 6
//   "S" 6
//   "T" 4
//   "U" 1
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
//   "\xC6" 1
//   "\xD8" 1
//   "\xC5" 1
const LetterTables kLettersDa = {
    .Weights = {3, 1, 1, 3, 10, 1, 2, 1, 4, 1, 2, 3, 2, 6, 2, 1, 1, 6, 6, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    .Fragments = {
        "ER", "EN", "DE", "RE", "NE", "ES", "TE", "ET", "LE",
        "ST", "GE", "ND", "SE", "IN", "ERS", "ENS", "AN", "ERE",
        "SK", "ERNE", "NS", "RS", "KE", "OR", "NDE", "RNE", "RI",
        "ERN", "TER", "AL", "VE", "NG", "ED", "AR", "BE", "ENE",
        "DER", "IS", "EL", "ING", "RA", "LI", "RN", "EDE", "ENDE",
    },
};
// clang-format on
