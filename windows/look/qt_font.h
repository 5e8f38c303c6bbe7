#pragma once

#include <QColor>
#include <QFont>
#include <optional>

#include "settings/game_settings.h"

class Platform;
class QWidget;

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

// The platform's font dialog, started from `start`; nothing when the player cancelled.
// Without effects, underline and strikeout are never kept. Point sizes of 0 set no limit.
std::optional<FontDescription> ChooseFont(Platform& platform, QWidget* owner,
                                          const FontDescription& start, bool effects,
                                          int minPointSize = 0, int maxPointSize = 0);
