// Made by tools/make_letter_tables from SPELSV.CLX: do not edit.
// Scramble's tables for sv.

#include "game/letter_tables.h"

// Weight of each tile:
//   "A" 10
//   "B" 4
//   "C" 2
//   "D" 6
//   "E" 10
//   "F" 4
//   "G" 6
//   "H" 3
//   "I" 7
//   "J" 2
//   "K" 6
//   "L" 7
//   "M" 5
//   "N" 10
//   "O" 6
//   "P" 4
//   "Q" 1
//   "R" 10
//   "S" 9
//   "T" 9
//   "U" 4
//   "V" 4
//   "W" 1
//   "X" 1
//   "Y" 3
//   "Z" 1
//   "\xC5" 3
//   "\xC4" 4
//   "\xD6" 4
const LetterTables kLettersSv = {
    .Weights = {10, 4, 2,  6, 10, 4, 6, 3, 7, 2, 6, 7, 5, 10, 6,
                4,  1, 10, 9, 9,  4, 4, 1, 1, 3, 1, 3, 4, 4},
    .Fragments =
        {
            "AR",
            "EN",
            "ER",
            "DE",
            "NA",
            "AN",
            "RA",
            "NS",
            "AS",
            "ST",
            "LA",
            "AT",
            "TA",
            "AD",
            "KA",
            "TE",
            "ET",
            "ENS",
            "ADE",
            "TS",
            "RE",
            "OR",
            "RNA",
            "IN",
            "RS",
            "SK",
            "RN",
            "GA",
            "ES",
            "DA",
            "IG",
            "SA",
            "AL",
            "ND",
            "TT",
            "\xD6"
            "R",
            "LI",
            "ARNA",
            "RI",
            "LL",
            "F\xD6"
            "R",
            "NG",
            "LE",
            "VA",
            "IS",
        },
};
