#include "words/definitions/wordnet_morphology.h"

#include <algorithm>
#include <array>

#include "words/definitions/sorted_lines.h"

namespace {

struct SuffixRule {
  WordNetPart Part;
  std::string_view Ending;
  std::string_view Replacement;
};

constexpr std::array<SuffixRule, 20> kSuffixRules{{
    {WordNetPart::Noun, "s", ""},        {WordNetPart::Noun, "ses", "s"},
    {WordNetPart::Noun, "xes", "x"},     {WordNetPart::Noun, "zes", "z"},
    {WordNetPart::Noun, "ches", "ch"},   {WordNetPart::Noun, "shes", "sh"},
    {WordNetPart::Noun, "men", "man"},   {WordNetPart::Noun, "ies", "y"},
    {WordNetPart::Verb, "s", ""},        {WordNetPart::Verb, "ies", "y"},
    {WordNetPart::Verb, "es", "e"},      {WordNetPart::Verb, "es", ""},
    {WordNetPart::Verb, "ed", "e"},      {WordNetPart::Verb, "ed", ""},
    {WordNetPart::Verb, "ing", "e"},     {WordNetPart::Verb, "ing", ""},
    {WordNetPart::Adjective, "er", ""},  {WordNetPart::Adjective, "est", ""},
    {WordNetPart::Adjective, "er", "e"}, {WordNetPart::Adjective, "est", "e"},
}};

void AddOnce(std::vector<std::string>& forms, std::string_view form) {
  if (!form.empty() && std::find(forms.begin(), forms.end(), form) == forms.end())
    forms.emplace_back(form);
}

// The rule's form of `word`, or empty when the word does not end so (or is the ending).
std::string ApplyRule(std::string_view word, const SuffixRule& rule) {
  if (word.size() <= rule.Ending.size() || !word.ends_with(rule.Ending)) return {};
  return std::string(word.substr(0, word.size() - rule.Ending.size())) +
         std::string(rule.Replacement);
}

}  // namespace

std::vector<std::string> BaseForms(std::string_view word, WordNetPart part,
                                   std::string_view exceptions,
                                   const std::function<bool(std::string_view)>& inIndex) {
  std::vector<std::string> candidates;
  std::string_view bases = FindLineRest(exceptions, word);
  while (!bases.empty()) {
    const std::string_view base = FirstField(bases);
    AddOnce(candidates, base);
    bases.remove_prefix(std::min(base.size() + 1, bases.size()));
  }
  AddOnce(candidates, word);
  for (const SuffixRule& rule : kSuffixRules)
    if (rule.Part == part) AddOnce(candidates, ApplyRule(word, rule));

  std::vector<std::string> forms;
  for (const std::string& candidate : candidates)
    if (inIndex(candidate)) forms.push_back(candidate);
  return forms;
}

std::vector<std::string> SuffixRuleForms(std::string_view word) {
  std::vector<std::string> forms;
  for (const SuffixRule& rule : kSuffixRules) AddOnce(forms, ApplyRule(word, rule));
  return forms;
}
