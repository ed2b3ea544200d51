// Little-endian numbers and cp1250 short strings in stored records.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/cp1250.h"

namespace tarvik::bytes {

inline void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline uint32_t GetU32(const uint8_t* p) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

inline void PutDouble(uint8_t* p, double d) {
  auto v = std::bit_cast<uint64_t>(d);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline double GetDouble(const uint8_t* p) {
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
  return std::bit_cast<double>(v);
}

// short string[n]: a length byte, then n bytes of cp1250 text, unused bytes zero
inline void PutShortString(uint8_t* p, size_t n, std::string_view utf8) {
  std::string bytes = Utf8ToCp1250(utf8);
  size_t len = std::min(bytes.size(), n);
  std::memset(p, 0, n + 1);
  p[0] = static_cast<uint8_t>(len);
  std::memcpy(p + 1, bytes.data(), len);
}

inline std::string GetShortString(const uint8_t* p, size_t n) {
  size_t len = std::min<size_t>(p[0], n);
  return Cp1250ToUtf8(std::string_view(reinterpret_cast<const char*>(p + 1), len));
}

}  // namespace tarvik::bytes
