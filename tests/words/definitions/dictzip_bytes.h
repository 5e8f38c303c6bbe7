#pragma once

// Hand-made files of the collaborative dictionary for the tests.

#include <zlib.h>

#include <cstddef>
#include <string>

// `text` as a dictzip file of `chunkLength`-byte chunks, each deflated on its own.
inline std::string DictzipBytes(const std::string& text, unsigned chunkLength) {
  std::string chunks, sizes;
  for (std::size_t at = 0; at < text.size(); at += chunkLength) {
    const std::string chunk = text.substr(at, chunkLength);
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, chunk.size()) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data()));
    stream.avail_in = static_cast<uInt>(chunk.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FULL_FLUSH);
    out.resize(out.size() - stream.avail_out);
    deflateEnd(&stream);
    chunks += out;
    sizes += {static_cast<char>(out.size() & 0xFF), static_cast<char>(out.size() >> 8)};
  }
  const auto u16 = [](std::size_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  };
  const std::string field = u16(1) + u16(chunkLength) + u16(sizes.size() / 2) + sizes;
  const std::string extra = "RA" + u16(field.size()) + field;
  return std::string("\x1f\x8b\x08\x0c\0\0\0\0\x02\x03", 10) + u16(extra.size()) + extra + "name" +
         std::string(1, '\0') + chunks;
}

inline std::string Base64(std::size_t value) {
  static const char* kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 64]);
    value /= 64;
  } while (value != 0);
  return digits;
}
