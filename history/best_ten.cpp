#include "history/best_ten.h"

#include <algorithm>
#include <cstdio>

#include "base/text_utils.h"
#include "history/game_record.h"
#include "words/language.h"

RecordMode ModeOf(const GameRecord& record) {
  return {record.Height, record.Width, record.GameSeconds, record.AmericanDictionary,
          record.LanguageCode};
}

std::string DictionaryText(const std::string& languageCode, bool americanDictionary) {
  const Language* language = FindLanguage(languageCode);
  if (language != nullptr && language->HasDictionaryChoice())
    return americanDictionary ? "American" : "British";
  return language != nullptr ? std::string(language->Name) : languageCode;
}

std::string ModeText(const RecordMode& mode) {
  char length[32];
  std::snprintf(length, sizeof length, "%d:%02d", mode.GameSeconds / 60, mode.GameSeconds % 60);
  return std::to_string(mode.Height) + " x " + std::to_string(mode.Width) + ", " + length + ", " +
         DictionaryText(mode.LanguageCode, mode.AmericanDictionary);
}

std::vector<ScoreEntry> BestTen(std::vector<ScoreEntry> entries) {
  std::sort(entries.begin(), entries.end(), [](const ScoreEntry& a, const ScoreEntry& b) {
    if (a.TotalScore != b.TotalScore) return a.TotalScore > b.TotalScore;
    if (a.PlayedAt != b.PlayedAt) return a.PlayedAt < b.PlayedAt;
    return a.GameId < b.GameId;
  });
  if (entries.size() > kRecordPlaces) entries.resize(kRecordPlaces);
  return entries;
}

int RecordPlace(const std::vector<ScoreEntry>& entries, int64_t gameId) {
  const std::vector<ScoreEntry> best = BestTen(entries);
  for (size_t i = 0; i < best.size(); ++i)
    if (best[i].GameId == gameId) return i + 1 < entries.size() ? static_cast<int>(i + 1) : 0;
  return 0;
}

std::string RecordNotice(int place, int64_t score, const RecordMode& mode) {
  if (place == 1)
    return "A new best score: " + FormatCount(score) + " points on " + ModeText(mode) + ".";
  return "A score among your ten best: " + FormatCount(score) + " points, number " +
         std::to_string(place) + " on " + ModeText(mode) + ".";
}
