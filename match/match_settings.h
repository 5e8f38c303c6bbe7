#pragma once

#include "match/match_messages.h"
#include "settings/game_settings.h"
#include "words/check_session.h"

// The host's settings as a match carries them.
MatchSettings MatchSettingsOf(const GameSettings& settings, bool tableRule);
// The word list `session` judges with, for the dictionary `settings` choose: the player's
// own additions and exclusions left out, as the host judges every list with its own.
WordListCheck WordListOf(const CheckSession& session, const GameSettings& settings);

// The language and dictionary as the player knows them: "English (American)", "Deutsch";
// a code this copy has no language for as it is.
std::string DictionaryName(const std::string& language, bool americanDictionary);
// "4 x 4, English (American), 3:00, words of 3 letters or more": what the lobby shows.
std::string MatchSettingsText(const MatchSettings& settings);
