// Made by tools/make_letter_tables from SPELES.CLX: do not edit.
// Scramble's tables for es.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 3
//   "C" 5
//   "D" 6
//   "E" 9
//   "F" 2
//   "G" 3
//   "H" 2
//   "I" 7
//   "J" 2
//   "K" 1
//   "L" 6
//   "M" 5
//   "N" 7
//   "O" 7
//   "P" 4
//   "Q" 1
//   "R" 7
//   "S" 8
//   "T" 5
//   "U" 4
//   "V" 2
//   "W" 1
//   "X" 1
//   "Y" 1
//   "Z" 2
//   "\xD1" 1
const LetterTables kLettersEs = {
    .Weights = {10, 3, 5, 6, 9, 2, 3, 2, 7, 2, 1, 6, 5, 7, 7, 4, 1, 7, 8, 5, 4, 2, 1, 1, 1, 2, 1},
    .Fragments =
        {
            "AR", "AS", "RE", "RA",  "ES", "EN",  "AN",  "AD", "LA",  "OS", "AL",  "TA",
            "SE", "TE", "CA", "ER",  "IS", "LE",  "BA",  "DA", "ARA", "RI", "ASE", "ARE",
            "RO", "LO", "AB", "ABA", "DO", "MA",  "DE",  "OR", "NA",  "CO", "EL",  "ON",
            "ME", "SA", "IN", "GA",  "AM", "ADO", "ADA", "PA", "MO",
        },
};
