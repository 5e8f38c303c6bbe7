#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

struct GameRecord;

// Records are kept apart for each board size, game length, language and dictionary: a
// score on a 5 x 5 board in three minutes says nothing about one on 4 x 4 in one minute,
// nor one in German about one in English.
struct RecordMode {
  int32_t Height = 4;
  int32_t Width = 4;
  int32_t GameSeconds = 180;
  bool AmericanDictionary = true;
  std::string LanguageCode = "en";
  auto operator<=>(const RecordMode&) const = default;
};

RecordMode ModeOf(const GameRecord& record);
// "5 x 5, 3:00, American"; "5 x 5, 3:00, Deutsch" in another language.
std::string ModeText(const RecordMode& mode);
// What judged a game: "American" or "British" in English, else the language's name.
std::string DictionaryText(const std::string& languageCode, bool americanDictionary);

struct ScoreEntry {
  int64_t GameId = 0;
  int64_t PlayedAt = 0;
  int64_t TotalScore = 0;
  bool operator==(const ScoreEntry&) const = default;
};

inline constexpr size_t kRecordPlaces = 10;

// The ten best of one mode, best first. Of equal scores the earlier game keeps the
// higher place: a record is only taken by beating it.
std::vector<ScoreEntry> BestTen(std::vector<ScoreEntry> entries);

// The place (1..10) game `gameId` took among the ten best of `entries` by beating an
// earlier game there; 0 when it is not among them or beat none of them (as the first
// game of a mode, which is no record worth telling). `entries` holds at least the
// eleven best, so that a game taking the tenth place is seen to push another out.
int RecordPlace(const std::vector<ScoreEntry>& entries, int64_t gameId);

// What the player is told at the end of Check List when the game took place `place`.
std::string RecordNotice(int place, int64_t score, const RecordMode& mode);
