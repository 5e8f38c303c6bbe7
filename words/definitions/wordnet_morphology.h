#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How the word database finds the base form of an inflected word ("geese" -> "goose",
// "stearins" -> "stearin", "catering" -> "cater"): first its exception list of irregular
// forms, then the word itself, then its suffix rules, each candidate kept only when the
// index of that part of speech holds it.

enum class WordNetPart { Noun, Verb, Adjective, Adverb };

// `exceptions` is the text of the part's exception list ("inflected base [base...]" per
// line, sorted); `inIndex` tells whether the part's index holds a lemma. No repeats, in
// the order above.
std::vector<std::string> BaseForms(std::string_view word, WordNetPart part,
                                   std::string_view exceptions,
                                   const std::function<bool(std::string_view)>& inIndex);

// The suffix rules of every part applied to `word`, unchecked, without repeats.
std::vector<std::string> SuffixRuleForms(std::string_view word);
