// Made by tools/make_letter_tables from SPELES.CLX: do not edit.
// clang-format off
// Scramble's tables for es.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 1
//   "C" 3
//   "D" 3
//   "E" 8
//   "F" 1
//   "G" 1
//   "H" 1
//   "I" 4
//   "J" 1
//   "K" 1
//   "L" 4
//   "M" 2
//   "N" 5
//   "O" 6
//   "P" 1
//   "Q" 1
//   "R" 5
//   "S" 7
//   "T" 3
//   "U" 2
//   "V" 1
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 1
//   "\xD1" 1
const LetterTables kLettersEs = {
    .Weights = {10, 1, 3, 3, 8, 1, 1, 1, 4, 1, 1, 4, 2, 5, 6, 1, 1, 5, 7, 3, 2, 1, 1, 1, 1, 1, 1},
    .Fragments = {
        "AR", "AS", "RE", "RA", "ES", "EN", "AN", "AD", "LA",
        "OS", "AL", "TA", "SE", "TE", "CA", "ER", "IS", "LE",
        "BA", "DA", "ARA", "RI", "ASE", "ARE", "RO", "LO", "AB",
        "ABA", "DO", "MA", "DE", "OR", "NA", "CO", "EL", "ON",
        "ME", "SA", "IN", "GA", "AM", "ADO", "ADA", "PA", "MO",
    },
};
// clang-format on
