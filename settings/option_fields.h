#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The number fields of the option dialogs. "&Ok" reads them in a fixed order; the first
// one that fails stops the reading, so nothing is stored until every field has passed.

// What one field must hold to pass, and what the player is told when it does not.
struct FieldRule {
  int32_t Min = 0;
  int32_t Max = 0;
  // Text left over after the number ("5x", or an empty field) fails the field. Where this
  // is false a "7x" reads as 7.
  bool WholeText = false;
  std::string Message;
};

// The first field that failed, counted from 0 in reading order.
struct FieldFault {
  int Field = 0;
  std::string Message;
};

// Every field's value when all passed; otherwise the first fault.
struct FieldValues {
  std::vector<int32_t> Values;
  std::optional<FieldFault> Fault;
};

// One text per rule, in reading order.
FieldValues ReadFields(const std::vector<std::string>& texts, const std::vector<FieldRule>& rules);

// Each dialog's fields, in the order they are read.
// "Word Length": the minimum word length.
FieldValues ReadWordLengthFields(const std::vector<std::string>& texts);
// "Scoring": the points for 3, 4, ... 11 letters and for larger words.
FieldValues ReadScoreFields(const std::vector<std::string>& texts);
// "Timer": minutes, then seconds; a game must last at least one second.
FieldValues ReadTimerFields(const std::vector<std::string>& texts);
// "Dimensions": width, then height.
FieldValues ReadDimensionFields(const std::vector<std::string>& texts);
// "Guess List": the number of columns.
FieldValues ReadGuessColumnFields(const std::vector<std::string>& texts);
