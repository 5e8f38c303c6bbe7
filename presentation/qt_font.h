#pragma once

#include <QColor>
#include <QFont>

#include "settings/game_settings.h"

// The settings keep colours as red in the low byte, then green, then blue.
QColor ColorFromSetting(int32_t color);
int32_t ColorToSetting(const QColor& color);
// `pointSize` overrides the font's own size (the board scales it with the window).
QFont QtFontFrom(const FontDescription& description, int pointSize);
inline QFont QtFontFrom(const FontDescription& description) {
  return QtFontFrom(description, description.Size);
}

// What the player chose in a font dialog, as the settings keep it.
FontDescription FontDescriptionFrom(const QFont& font, const QColor& color);
