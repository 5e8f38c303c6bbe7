// Made by tools/make_letter_tables from SPELNL.CLX: do not edit.
// Scramble's tables for nl.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 6
//   "B" 4
//   "C" 4
//   "D" 5
//   "E" 10
//   "F" 3
//   "G" 5
//   "H" 3
//   "I" 6
//   "J" 3
//   "K" 4
//   "L" 5
//   "M" 4
//   "N" 7
//   "O" 6
//   "P" 4
//   "Q" 1
//   "R" 7
//   "S" 6
//   "T" 6
//   "U" 4
//   "V" 3
//   "W" 3
//   "X" 1
//   "Y" 1
//   "Z" 2
const LetterTables kLettersNl = {
    .Weights = {6, 4, 4, 5, 10, 3, 5, 3, 6, 3, 4, 5, 4, 7, 6, 4, 1, 7, 6, 6, 4, 3, 3, 1, 1, 2},
    .Fragments =
        {
            "EN",  "ER", "TE",  "DE",  "GE", "EL", "ST", "AN", "RE", "IN",  "ND", "LE",
            "ES",  "VE", "BE",  "IJ",  "LA", "RI", "ET", "ON", "KE", "END", "RO", "RA",
            "VER", "AR", "AL",  "TEN", "OR", "JE", "ME", "LI", "OP", "STE", "LO", "PE",
            "EK",  "NE", "ERS", "DEN", "CH", "WE", "NT", "IS", "AS",
        },
};
