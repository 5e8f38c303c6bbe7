#include "windows/look/qt_font.h"

#include <QFontInfo>

#include "platform/platform.h"
#include "platform/qt_text.h"

QColor ColorFromSetting(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

int32_t ColorToSetting(const QColor& color) {
  const auto value = static_cast<uint32_t>(color.red()) |
                     static_cast<uint32_t>(color.green()) << 8 |
                     static_cast<uint32_t>(color.blue()) << 16;
  return static_cast<int32_t>(value);
}

QFont QtFontFrom(const FontDescription& description, int pointSize) {
  QFont font(TextFromBytes(description.Name));
  // A hand-edited size of 0 or less would make Qt complain; the smallest size still shows.
  font.setPointSize(pointSize > 0 ? pointSize : 1);
  font.setBold(description.Bold);
  font.setItalic(description.Italic);
  font.setUnderline(description.Underline);
  font.setStrikeOut(description.Strikeout);
  return font;
}

FontDescription FontDescriptionFrom(const QFont& font, const QColor& color) {
  FontDescription description;
  description.Color = ColorToSetting(color);
  description.Name = TextToBytes(font.family()).substr(0, 255);
  // A font given in pixels has no point size of its own; the one it shows at will do.
  description.Size = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
  description.Bold = font.bold();
  description.Italic = font.italic();
  description.Underline = font.underline();
  description.Strikeout = font.strikeOut();
  return description;
}

std::optional<FontDescription> ChooseFont(Platform& platform, QWidget* owner,
                                          const FontDescription& start, bool effects,
                                          int minPointSize, int maxPointSize) {
  FontDialogRequest request;
  request.font = QtFontFrom(start);
  request.color = ColorFromSetting(start.Color);
  request.effects = effects;
  request.minPointSize = minPointSize;
  request.maxPointSize = maxPointSize;
  const std::optional<FontDialogAnswer> chosen = platform.GetFont(owner, request);
  if (!chosen) return std::nullopt;
  FontDescription description = FontDescriptionFrom(chosen->font, chosen->color);
  if (!effects) description.Underline = description.Strikeout = false;
  return description;
}
