#pragma once

#include <QFile>
#include <QString>
#include <optional>
#include <string>

// Two different conversions meet at the window edge, and must never be mixed up:
// the game's texts are single bytes (Latin-1), while file paths are whatever bytes the
// file system holds, in the locale's encoding.

inline std::string TextToBytes(const QString& text) { return text.toLatin1().toStdString(); }
// The text as single bytes, or nothing when a character of it has none: TextToBytes
// would store such a character as '?'.
inline std::optional<std::string> ExactTextToBytes(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 0xFF) return std::nullopt;
  return TextToBytes(text);
}
inline constexpr const char* kNotSingleByteMessage =
    "The word contains a character the dictionary cannot hold.";
inline QString TextFromBytes(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A code as typed or pasted, for the code readers: every kind of space (a no-break space
// from a chat) is a blank, which codes ignore, and a character beyond Latin-1 stays as
// UTF-8 so that it is refused, never turned into a "?".
inline std::string CodeTextToBytes(QString typed) {
  for (QChar& c : typed)
    if (c.isSpace()) c = ' ';
  return typed.toUtf8().toStdString();
}

inline std::string PathToBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}
inline QString PathFromBytes(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
