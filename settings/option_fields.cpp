#include "settings/option_fields.h"

#include <limits>
#include <optional>

#include "base/text_utils.h"

namespace {

const std::string kScoreRange = "  Score must be between 1 an 20.";

// The field's value when it passes its rule.
std::optional<int32_t> Passes(const FieldRule& rule, const std::string& text) {
  const ReadIntegerResult read = ReadInteger(TrimBlanks(text));
  if (rule.WholeText && read.ErrorPosition != 0) return std::nullopt;
  if (read.Value < rule.Min || read.Value > rule.Max) return std::nullopt;
  return read.Value;
}

std::vector<FieldRule> ScoreRules() {
  std::vector<FieldRule> rules;
  for (int length = 3; length <= 11; ++length)
    rules.push_back({1, 20, false,
                     "Invalid " + std::to_string(length) + " letter score entered." + kScoreRange});
  rules.push_back({1, 20, false, "Larger words score entered." + kScoreRange});
  return rules;
}

}  // namespace

FieldValues ReadFields(const std::vector<std::string>& texts, const std::vector<FieldRule>& rules) {
  FieldValues result;
  for (std::size_t field = 0; field < rules.size(); ++field) {
    const std::string text = field < texts.size() ? texts[field] : std::string();
    const std::optional<int32_t> value = Passes(rules[field], text);
    if (!value) {
      result.Values.clear();
      result.Fault = FieldFault{static_cast<int>(field), rules[field].Message};
      return result;
    }
    result.Values.push_back(*value);
  }
  return result;
}

FieldValues ReadWordLengthFields(const std::vector<std::string>& texts) {
  return ReadFields(texts, {{3, 7, false,
                             "Invalid minimum word length.  Minimum word length should be "
                             "between 3 and 7."}});
}

FieldValues ReadScoreFields(const std::vector<std::string>& texts) {
  static const std::vector<FieldRule> rules = ScoreRules();
  return ReadFields(texts, rules);
}

FieldValues ReadTimerFields(const std::vector<std::string>& texts) {
  FieldValues result = ReadFields(
      texts, {{0, std::numeric_limits<int32_t>::max(), true,
               "Invalid minutes specified.  Please correct."},
              {0, 60, true, "Invalid seconds specified.  Seconds must be between 0 and 60."}});
  if (!result.Fault && result.Values[0] == 0 && result.Values[1] == 0) {
    result.Values.clear();
    result.Fault = FieldFault{0, "No time has been entered.  Please correct."};
  }
  return result;
}

FieldValues ReadDimensionFields(const std::vector<std::string>& texts) {
  return ReadFields(
      texts, {{4, 5, false, "Invalid width specified.  Width must be 4 or 5.  Please correct."},
              {4, 5, false, "Invalid height specified.  Height must be 4 or 5.  Please correct."}});
}

FieldValues ReadGuessColumnFields(const std::vector<std::string>& texts) {
  return ReadFields(texts, {{1, 3, false,
                             "Invalid number of columns specified.  Columns should be between "
                             "1 and 3."}});
}
