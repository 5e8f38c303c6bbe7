#include "base/crc32.h"

#include <zlib.h>

#include <algorithm>

// zlib's own is several times faster than a byte table, and the first opening of the
// largest lexicon reads all of its megabytes through.
uint32_t ContinueCrc32(uint32_t crc, const unsigned char* bytes, std::size_t size) {
  while (size > 0) {
    const auto piece = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
    crc = static_cast<uint32_t>(::crc32(crc, bytes, piece));
    bytes += piece;
    size -= piece;
  }
  return crc;
}
