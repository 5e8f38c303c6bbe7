#include "presentation/guess_font.h"

#include "platform/game_host.h"
#include "platform/platform.h"
#include "presentation/qt_font.h"

void ChooseGuessFont(GameHost& host) {
  FontDescription& listFont = host.Settings().WordListFont;
  FontDialogRequest request;
  request.title = "Font";
  request.font = QtFontFrom(listFont);
  request.color = ColorFromSetting(listFont.Color);
  request.minPointSize = 6;
  request.maxPointSize = 18;
  const std::optional<FontDialogAnswer> chosen = host.Services().GetFont(host.Window(), request);
  if (!chosen) return;
  // No effects are offered for the list: underline and strikeout are never kept for it.
  FontDescription description = FontDescriptionFrom(chosen->font, chosen->color);
  description.Underline = description.Strikeout = false;
  listFont = description;
  host.GuessListLookChanged();
}
