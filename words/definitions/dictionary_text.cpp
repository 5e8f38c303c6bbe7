#include "words/definitions/dictionary_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kWrittenOut{{
    {"\xc5\x93", "oe"},     // œ
    {"\xc5\x92", "OE"},     // Œ
    {"\xc4\xb3", "ij"},     // ĳ
    {"\xc4\xb2", "IJ"},     // Ĳ
    {"\xe2\x80\x90", "-"},  // the hyphen of "‐bar"
    {"\xe2\x80\x99", "'"},  // the apostrophe of "d’abord"
}};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string Latin1FromUtf8(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto written =
        std::find_if(kWrittenOut.begin(), kWrittenOut.end(),
                     [&](const auto& pair) { return text.substr(i).starts_with(pair.first); });
    if (byte < 0x80) {
      out.push_back(static_cast<char>(byte));
    } else if (written != kWrittenOut.end()) {
      out += written->second;
      i += written->first.size() - 1;
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
