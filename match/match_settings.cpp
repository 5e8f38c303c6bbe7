#include "match/match_settings.h"

#include <cstdio>

#include "base/crc32.h"
#include "game/game_mode.h"
#include "match/message_bytes.h"
#include "words/engine/compiled_lexicon.h"
#include "words/engine/spelling_engine.h"
#include "words/language.h"

MatchSettings MatchSettingsOf(const GameSettings& settings, bool tableRule) {
  MatchSettings match;
  match.Height = settings.Height;
  match.Width = settings.Width;
  match.Language = settings.LanguageCode;
  match.AmericanDictionary = JudgesWithAmerican(settings);
  match.GameSeconds = settings.Minutes * 60 + settings.Seconds;
  // A Classic match leaves the mode out, as matches did before there were modes.
  if (settings.Mode != GameMode::Classic) match.Mode = ModeRow(settings.Mode).Code;
  match.MinimumWordLength = settings.MinimumWordLength;
  match.RepeatingLettersAllowed = settings.RepeatingLettersAllowed;
  match.TableRule = tableRule;
  return match;
}

WordListCheck WordListOf(const CheckSession& session, const GameSettings& settings) {
  SessionWords words;
  SE_GetSessionWords(session.Session, words);
  // Each main lexicon's checksum names its exact words.
  ByteWriter checksums;
  for (const CompiledLexicon* lexicon : words.Compiled) checksums.U32(lexicon->Checksum());
  return {settings.LanguageCode, JudgesWithAmerican(settings), Crc32(checksums.Take())};
}

std::string DictionaryName(const std::string& language, bool americanDictionary) {
  const Language* known = FindLanguage(language);
  if (!known) return language;
  const std::string name(known->Name);
  if (!known->HasDictionaryChoice()) return name;
  return name + (americanDictionary ? " (American)" : " (British)");
}

std::string MatchSettingsText(const MatchSettings& settings) {
  char length[32];
  std::snprintf(length, sizeof length, "%d:%02d", settings.GameSeconds / 60,
                settings.GameSeconds % 60);
  std::string text = std::to_string(settings.Height) + " x " + std::to_string(settings.Width) +
                     ", " + DictionaryName(settings.Language, settings.AmericanDictionary) + ", " +
                     length;
  if (!settings.Mode.empty()) text += ", " + ModeNameOf(settings.Mode);
  if (settings.RepeatingLettersAllowed) text += ", letters may repeat";
  return text + ", words of " + std::to_string(settings.MinimumWordLength) + " letters or more";
}
