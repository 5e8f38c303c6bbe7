#include "presentation/qt_font.h"

QColor ColorFromSetting(int32_t color) {
  const auto value = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QFont FontFromSpec(const FontSpec& spec, int pointSize) {
  QFont font(QString::fromLatin1(spec.Name.c_str()));
  // A hand-edited size of 0 or less would make Qt complain; the smallest size still shows.
  font.setPointSize(pointSize > 0 ? pointSize : 1);
  font.setBold(spec.Bold);
  font.setItalic(spec.Italic);
  font.setUnderline(spec.Underline);
  font.setStrikeOut(spec.Strikeout);
  return font;
}
