// Word-at-a-time helpers for the engine's walks. A walk that stands at a character start and sees
// eight bytes of 0x80 or above knows they are four whole two-byte characters, and one that sees
// eight bytes below 0x80 knows they are eight one-byte characters: both cases skip the per-byte
// decisions, which is where realistic text spends nearly all its time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "quillora/text.h"

namespace quillora::detail {

// Words are read as eight bytes in text order, lowest first.
static_assert(std::endian::native == std::endian::little);

inline constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
inline constexpr std::uint64_t kOnes = 0x0101010101010101ull;

inline std::uint64_t Load8(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}
inline void Store8(unsigned char* p, std::uint64_t v) { std::memcpy(p, &v, 8); }
inline bool AllHigh(std::uint64_t v) { return (v & kHighBits) == kHighBits; }
inline bool AllLow(std::uint64_t v) { return (v & kHighBits) == 0; }
// Whether any of the eight bytes equals b.
inline bool HasByte(std::uint64_t v, unsigned char b) {
  const std::uint64_t x = v ^ (kOnes * b);
  return ((x - kOnes) & ~x & kHighBits) != 0;
}

// How many of the eight bytes equal b.
inline int CountByte(std::uint64_t v, unsigned char b) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t x = v ^ (kOnes * b);
  const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);  // high bit of each zero byte
  return std::popcount(zero);
}

// A text of n bytes whose content the caller writes in full; spares the zero fill.
inline Text UninitializedText(std::size_t n) {
  Text t;
#ifdef __cpp_lib_string_resize_and_overwrite
  t.resize_and_overwrite(n, [](char*, std::size_t size) { return size; });
#else
  t.resize(n);
#endif
  return t;
}

inline unsigned char* Bytes(Text& t) { return reinterpret_cast<unsigned char*>(t.data()); }
inline const unsigned char* Bytes(TextView t) {
  return reinterpret_cast<const unsigned char*>(t.data());
}

// The traditional form of every pair (lead << 8 | trail), as its two bytes in text order;
// identity wherever the table has no entry.
const std::uint16_t* TraditionalPairTable();
// The ASCII byte of every pair that has a half-width form, else 0.
const unsigned char* HalfWidthPairTable();

}  // namespace quillora::detail
