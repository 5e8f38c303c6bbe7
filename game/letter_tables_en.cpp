#include "game/letter_tables.h"

// The game's own English tables, kept exactly: no tool makes these.

const LetterTables kLettersEn = {
    .Weights = {8, 3, 3, 4, 10, 2, 3, 3, 7, 1, 2, 5, 3, 5, 6, 3, 1, 4, 5, 5, 4, 2, 2, 1, 3, 1},
    .Fragments = {"ERS", "ES",   "ER",   "ED",  "EDGE", "ANGE", "ING", "STR", "ACK",
                  "EST", "IEST", "TION", "AST", "ANT",  "ENT",  "ILL", "END", "AND",
                  "EAR", "EEN",  "EAN",  "INT", "ELL",  "ART",  "ARE", "ORE", "IRE",
                  "ATE", "EAT",  "APE",  "ANE", "ONE",  "OLD",  "OUR", "OUT", "AIN",
                  "AIL", "AGE",  "ACE",  "ICE", "EER",  "OAT",  "OAL", "ALE", "EAL"},
};
