#include "base/utf8.h"

namespace {

struct SequenceShape {
  std::size_t Length;
  char32_t LeadBits;
  char32_t Smallest;  // below it, the same code point has a shorter form
};

std::optional<SequenceShape> ShapeOf(unsigned char lead) {
  if (lead < 0x80) return SequenceShape{1, lead, 0};
  if ((lead & 0xE0) == 0xC0) return SequenceShape{2, lead & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return SequenceShape{3, lead & 0x0Fu, 0x800};
  if ((lead & 0xF8) == 0xF0) return SequenceShape{4, lead & 0x07u, 0x10000};
  return std::nullopt;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string decoded;
  decoded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<SequenceShape> shape = ShapeOf(static_cast<unsigned char>(text[at]));
    if (!shape || shape->Length > text.size() - at) return std::nullopt;
    char32_t point = shape->LeadBits;
    for (std::size_t i = 1; i < shape->Length; ++i) {
      const auto byte = static_cast<unsigned char>(text[at + i]);
      if (!IsContinuation(byte)) return std::nullopt;
      point = point << 6 | (byte & 0x3Fu);
    }
    if (point < shape->Smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
      return std::nullopt;
    decoded.push_back(point);
    at += shape->Length;
  }
  return decoded;
}

std::string Latin1FromUtf8(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out.push_back(static_cast<char>(byte));
    } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size() &&
               IsContinuation(static_cast<unsigned char>(text[i + 1]))) {
      out.push_back(static_cast<char>(((byte & 0x03) << 6) | (text[i + 1] & 0x3F)));
      ++i;
    } else if (!IsContinuation(byte)) {
      out.push_back('?');
    }
  }
  return out;
}

std::string Utf8FromLatin1(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return out;
}
