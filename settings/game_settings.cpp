#include "settings/game_settings.h"

#include "base/paths.h"

int32_t GameSettings::PointsForLength(int length) const {
  switch (length) {
    case 3:
      return Score3LetterWords;
    case 4:
      return Score4LetterWords;
    case 5:
      return Score5LetterWords;
    case 6:
      return Score6LetterWords;
    case 7:
      return Score7LetterWords;
    case 8:
      return Score8LetterWords;
    case 9:
      return Score9LetterWords;
    case 10:
      return Score10LetterWords;
    case 11:
      return Score11LetterWords;
    default:
      return length >= 12 ? ScoreLargerWords : 0;
  }
}

GameSettings DefaultSettings(const std::string& startDirectory) {
  GameSettings settings;
  settings.LastImportFile = startDirectory;
  settings.LastExportFile = startDirectory;
  settings.LastGroup = JoinPath(startDirectory, "TOLVANE.TVN");
  return settings;
}
