#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// CRC-32 as in zlib and PNG (reflected polynomial 0xEDB88320). A checksum over several
// pieces starts at kCrc32Start, continues piece by piece and ends with FinishCrc32.
inline constexpr uint32_t kCrc32Start = 0xFFFFFFFFu;
uint32_t ContinueCrc32(uint32_t crc, const unsigned char* bytes, std::size_t size);
inline uint32_t FinishCrc32(uint32_t crc) { return crc ^ 0xFFFFFFFFu; }

inline uint32_t Crc32(std::string_view bytes) {
  return FinishCrc32(ContinueCrc32(
      kCrc32Start, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}
