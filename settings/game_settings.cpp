#include "settings/game_settings.h"

#include <algorithm>

#include "base/paths.h"
#include "words/language.h"

int32_t GameSettings::PointsForLength(int length) const {
  if (length < 3) return 0;
  return LengthPoints[std::min(length - 3, kScoredLengths - 1)];
}

const Language& ChosenLanguage(const GameSettings& settings) {
  const Language* language = FindLanguage(settings.LanguageCode);
  return language != nullptr ? *language : English();
}

bool JudgesWithAmerican(const GameSettings& settings) {
  return !ChosenLanguage(settings).HasDictionaryChoice() || settings.AmericanDictionary;
}

GameSettings SharedGameRules(GameSettings settings, GameMode mode) {
  settings.Mode = mode;
  settings.JudgeAsEntered = false;
  settings.HintWordsByLength = settings.HintWordsStartingHere = settings.HintBestScore = false;
  return settings;
}

GameSettings DefaultSettings(const std::string& startDirectory) {
  GameSettings settings;
  settings.LastImportFile = startDirectory;
  settings.LastExportFile = startDirectory;
  settings.LastGroup = JoinPath(startDirectory, "TOLVANE.TVN");
  return settings;
}
