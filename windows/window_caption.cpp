#include "windows/window_caption.h"

#include <QStringList>

#include "settings/game_settings.h"

QString WindowCaption(const GameSettings& settings) {
  QStringList parts;
  if (settings.Mode != GameMode::Classic) parts << ModeRow(settings.Mode).Name;
  const QString name = "Tolvane 95";
  return parts.isEmpty() ? name : name + QString::fromUtf8(" \u2014 ") + parts.join(", ");
}
