#include "presentation/qt_font.h"

QColor ColorFromSetting(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QFont QtFontFrom(const FontDescription& description, int pointSize) {
  QFont font(QString::fromLatin1(description.Name.c_str()));
  // A hand-edited size of 0 or less would make Qt complain; the smallest size still shows.
  font.setPointSize(pointSize > 0 ? pointSize : 1);
  font.setBold(description.Bold);
  font.setItalic(description.Italic);
  font.setUnderline(description.Underline);
  font.setStrikeOut(description.Strikeout);
  return font;
}
