#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "words/definitions/definition.h"

class Gcide;
class WordNet;

inline constexpr const char* kWordNetFolder = "/usr/share/wordnet";
inline constexpr const char* kGcideFolder = "/usr/share/dictd";

// What a word means, from the word database and, where it has nothing, the collaborative
// dictionary. The installed files are opened on the first look-up, not before, and stay
// open while the object lives. A source found damaged, at opening or later, is left out
// from then on, and the player is told so once in a run.
class WordDefinitions {
 public:
  explicit WordDefinitions(std::string wordNetFolder = kWordNetFolder,
                           std::string gcideFolder = kGcideFolder);
  ~WordDefinitions();

  // The definitions of `word` (any case); none for a word that is not all letters.
  std::vector<Definition> Define(std::string_view word);

  // Whether either source could be opened (opens them when not yet done).
  bool AnySourceInstalled();

  // The text of the definitions pane for `word`: the definitions, or one line saying
  // that none was found; or, when no source can be read, why and which package mends it.
  // A source newly found damaged is told of first.
  std::string Describe(std::string_view word);

 private:
  enum class State { Missing, Damaged, Ready };
  struct Source {
    std::string Folder;
    const char* Name;     // "word database"
    const char* Package;  // "wordnet-base"
    State Status = State::Missing;
  };
  void OpenSources();
  // Leaves out a source whose files were found damaged by the last look-up; true then.
  template <typename Reader>
  bool DropIfDamaged(std::unique_ptr<Reader>& reader, Source& source);
  static std::string DamagedText(const Source& source);
  std::string NoSourceText() const;
  std::string NewDamageText() const;

  Source wordNetSource_, gcideSource_;
  bool opened_ = false;
  std::unique_ptr<WordNet> wordNet_;
  std::unique_ptr<Gcide> gcide_;
};

// Definitions as lines of text: "cater (verb)", then "1. gloss" and the example set in
// below it, a blank line between headwords.
std::string FormatDefinitions(const std::vector<Definition>& definitions);

// A definitions pane's text up to its first sense, in one line, for a screen reader to say
// as a word is reached: "goose (noun) 1. web-footed bird"; the first line when there is no
// numbered sense.
std::string FirstMeaning(std::string_view described);
