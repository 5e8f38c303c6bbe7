#pragma once

// The 32-bit little-endian integers of the game's own binary files (the compiled
// lexicons and the files beside them).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline uint32_t ReadUint32(const unsigned char* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}
// `at` + 4 must lie within `bytes`.
inline uint32_t ReadUint32(std::string_view bytes, std::size_t at) {
  return ReadUint32(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}
inline void AppendUint32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}
