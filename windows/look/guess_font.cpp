#include "windows/look/guess_font.h"

#include "platform/game_host.h"
#include "platform/platform.h"
#include "windows/look/qt_font.h"

void ChooseGuessFont(GameHost& host) {
  FontDescription& listFont = host.Settings().WordListFont;
  const std::optional<FontDescription> chosen =
      ChooseFont(host.Services(), host.Window(), listFont, false, 6, 18);
  if (!chosen) return;
  listFont = *chosen;
  host.GuessListLookChanged();
}
