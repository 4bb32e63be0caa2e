// Helpers for the engine's fast walks: words of eight bytes (a walk at a character start that
// sees eight bytes of 0x80 or above knows they are four whole two-byte characters), blocks of 64
// bytes whose character boundaries are found all at once, and results allocated without a fill.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "quillora/text.h"

// QUILLORA_NO_SIMD builds the portable loops instead (the sanitizer build tests them).
#if (defined(__SSE2__) || defined(_M_X64)) && !defined(QUILLORA_NO_SIMD)
#include <emmintrin.h>
#define QUILLORA_SSE2 1
#endif

namespace quillora::detail {

// Words are read as eight bytes in text order, lowest first.
static_assert(std::endian::native == std::endian::little);

inline constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

inline std::uint64_t Load8(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}
inline void Store8(unsigned char* p, std::uint64_t v) { std::memcpy(p, &v, 8); }
inline bool AllHigh(std::uint64_t v) { return (v & kHighBits) == kHighBits; }
inline bool AllLow(std::uint64_t v) { return (v & kHighBits) == 0; }
// A text of n bytes whose content the caller writes in full; spares the zero fill.
inline Text UninitializedText(std::size_t n) {
  Text t;
#ifdef __cpp_lib_string_resize_and_overwrite
  // Return n itself: some libraries hand the operation the grown capacity instead of n.
  t.resize_and_overwrite(n, [n](char*, std::size_t) { return n; });
#else
  t.resize(n);
#endif
  return t;
}

// ---- 64-byte blocks ---------------------------------------------------------------------------
// A walk over whole blocks finds every character boundary at once: every run of bytes of 0x80 or
// above starts at a character start (the byte before it is below 0x80, and so either a character
// of its own or the trail of a lead whose run ended there), and within a run the leads stand at
// even distances from its start.

inline constexpr std::uint64_t kEvenBits = 0x5555555555555555ull;

// Bit k set where byte k of the 64 at p has its high bit set / equals B / is printable ASCII.
#ifdef QUILLORA_SSE2
template <class Test>
inline std::uint64_t BlockMask(const unsigned char* p, Test test) {
  std::uint64_t m = 0;
  for (int k = 0; k < 4; ++k) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
    m |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(test(v)))) << (16 * k);
  }
  return m;
}
inline std::uint64_t HighMask(const unsigned char* p) {
  return BlockMask(p, [](__m128i v) { return v; });
}
template <unsigned char B>
inline std::uint64_t EqualMask(const unsigned char* p) {
  return BlockMask(
      p, [](__m128i v) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(B))); });
}
// One-byte characters 0x20 to 0x7E: the printable ASCII.
inline std::uint64_t PrintableMask(const unsigned char* p) {
  return BlockMask(p, [](__m128i v) {
    return _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(0x1F)),
                         _mm_cmplt_epi8(v, _mm_set1_epi8(0x7F)));
  });
}
#else
inline std::uint64_t PrintableMask(const unsigned char* p) {
  std::uint64_t m = 0;
  for (int k = 0; k < 64; ++k) m |= static_cast<std::uint64_t>(p[k] >= 0x20 && p[k] <= 0x7E) << k;
  return m;
}
inline std::uint64_t HighMask(const unsigned char* p) {
  std::uint64_t m = 0;
  for (int k = 0; k < 64; ++k) m |= static_cast<std::uint64_t>(p[k] >> 7) << k;
  return m;
}
template <unsigned char B>
inline std::uint64_t EqualMask(const unsigned char* p) {
  std::uint64_t m = 0;
  for (int k = 0; k < 64; ++k) m |= static_cast<std::uint64_t>(p[k] == B) << k;
  return m;
}
#endif

// The characters of one block: `trail_first` says whether byte 0 is the trail of a lead at the
// end of the block before.
struct BlockChars {
  std::uint64_t high;     // bytes of 0x80 or above
  std::uint64_t leads;    // first bytes of two-byte characters (the trail is the next byte)
  std::uint64_t singles;  // one-byte characters
  bool last_is_lead;      // byte 63 is a lead: byte 0 of the next block is its trail
};

inline BlockChars ScanBlock(const unsigned char* p, bool trail_first) {
  BlockChars c;
  c.high = HighMask(p);
  const std::uint64_t h = c.high;
  const std::uint64_t starts = h & ~(h << 1);
  const std::uint64_t in_even_runs = h & ~(h + (starts & kEvenBits));
  const std::uint64_t leads = (in_even_runs & kEvenBits) | (h & ~in_even_runs & ~kEvenBits);
  // With byte 0 a trail, a run at byte 0 starts one byte later and its leads change parity.
  // Worked out both ways, so that the block before only has to pick one.
  const std::uint64_t first_run = h & ~(h + 1);
  c.leads = trail_first ? (leads ^ first_run) & ~1ull : leads;
  const std::uint64_t trails = (c.leads << 1) | static_cast<std::uint64_t>(trail_first);
  c.singles = ~trails & ~c.high;
  c.last_is_lead = (c.leads >> 63) != 0;
  return c;
}

// Bit k set where a "\r\n" starts at byte k at a character start; `next` is the byte after
// the block.
inline std::uint64_t LineBreaks(const unsigned char* p, const BlockChars& c, unsigned char next) {
  const std::uint64_t lf_after =
      (EqualMask<'\n'>(p) >> 1) | (static_cast<std::uint64_t>(next == '\n') << 63);
  return EqualMask<'\r'>(p) & c.singles & lf_after;
}

inline int LowestBit(std::uint64_t m) { return std::countr_zero(m); }

// Set bits of m; by hand, since the portable x86-64 target has no popcnt instruction and the
// library call costs more than this.
inline std::size_t Bits(std::uint64_t m) {
  m = m - ((m >> 1) & 0x5555555555555555ull);
  m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
  m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<std::size_t>((m * 0x0101010101010101ull) >> 56);
}

// Copies 64 bytes, whatever fewer the caller needs: fixed steps, no loop to mispredict.
inline void Copy64(unsigned char* dst, const unsigned char* src) {
  for (int k = 0; k < 64; k += 16) std::memcpy(dst + k, src + k, 16);
}

inline std::uint16_t Load2(const unsigned char* p) {
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

inline unsigned char* Bytes(Text& t) { return reinterpret_cast<unsigned char*>(t.data()); }
inline const unsigned char* Bytes(TextView t) {
  return reinterpret_cast<const unsigned char*>(t.data());
}

// The traditional form of every pair, indexed by its two bytes read as a little-endian word
// (lead | trail << 8) and giving the result the same way; identity where the table has none.
const std::uint16_t* TraditionalPairTable();
// The ASCII byte of every pair that has a half-width form, else 0.
const unsigned char* HalfWidthPairTable();

}  // namespace quillora::detail
