#pragma once

#include <string>

#include "settings/game_settings.h"

// "Yes" or "No", as the settings file spells a flag.
std::string YesNoText(bool flag);

// `settings` comes in holding the defaults (DefaultSettings(startDirectory)); a key the
// file does not hold keeps that value. A missing or unreadable file gives every default.
void LoadSettings(GameSettings& settings, const std::string& iniPath);

// Writes every key, in the file's fixed order, after refreshing the stored style flags
// from the three fonts. Lines of the file that are not the game's keys stay as they were.
bool SaveSettings(GameSettings& settings, const std::string& iniPath);
