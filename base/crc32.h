#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// CRC-32 as in zlib and PNG. A checksum over several pieces starts at 0 and continues
// piece by piece.
uint32_t ContinueCrc32(uint32_t crc, const unsigned char* bytes, std::size_t size);

inline uint32_t Crc32(std::string_view bytes) {
  return ContinueCrc32(0, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}
