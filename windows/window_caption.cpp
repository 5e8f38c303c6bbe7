#include "windows/window_caption.h"

#include <QStringList>

#include "platform/qt_text.h"
#include "settings/game_settings.h"
#include "words/language.h"

QString WindowCaption(const GameSettings& settings) {
  QStringList parts;
  const Language& language = ChosenLanguage(settings);
  if (&language != &English()) parts << TextFromBytes(std::string(language.Name));
  if (settings.Mode != GameMode::Classic) parts << ModeRow(settings.Mode).Name;
  const QString name = "Tolvane 95";
  return parts.isEmpty() ? name : name + QString::fromUtf8(" \u2014 ") + parts.join(", ");
}
