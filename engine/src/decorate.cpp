#include "quillora/decorate.h"

#include <cstring>

#include "fast.h"
#include "splitter.h"

namespace quillora {

namespace {

constexpr TextView kLineBreak = "\r\n";

}  // namespace

MaybeText DecorateText(TextView source, TextView marker) {
  if (IsEmpty(marker)) return std::nullopt;
  const std::int64_t m = static_cast<std::int64_t>(marker.size());
  std::int64_t size = 0;
  {
    detail::Splitter lines(source, kLineBreak);
    for (TextView line; lines.Next(line);) {
      size += static_cast<std::int64_t>(line.size() / 2) * (m + 2) + m + 2;
      if (size > kMaxTextLength) return std::nullopt;
    }
  }

  // Short markers are written with 16-byte stores that run past the end: room for them.
  const bool short_marker = marker.size() != 2 && marker.size() <= 14;
  Text r = detail::UninitializedText(static_cast<std::size_t>(size) + (short_marker ? 16 : 0));
  char* out = r.data();
  detail::Splitter lines(source, kLineBreak);
  if (marker.size() == 2) {
    // The window's markers: a marker and a cell are one four-byte store.
    std::uint16_t m2;
    std::memcpy(&m2, marker.data(), 2);
    for (TextView line; lines.Next(line);) {
      const char* cell = line.data();
      std::size_t k = line.size() / 2;
#ifdef QUILLORA_SSE2
      // Eight cells at a time: the marker and the cells interleaved in 16-bit lanes.
      const __m128i marks = _mm_set1_epi16(static_cast<short>(m2));
      for (; k >= 8; k -= 8, cell += 16, out += 32) {
        const __m128i cells = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cell));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(marks, cells));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_unpackhi_epi16(marks, cells));
      }
#endif
      for (; k > 0; --k, cell += 2, out += 4) {
        std::uint16_t c2;
        std::memcpy(&c2, cell, 2);
        const std::uint32_t both = m2 | static_cast<std::uint32_t>(c2) << 16;
        std::memcpy(out, &both, 4);
      }
      std::memcpy(out, marker.data(), 2);
      std::memcpy(out + 2, "\r\n", 2);
      out += 4;
    }
    return r;
  }
  if (short_marker) {
    // One 16-byte store of the marker, then the cell over its tail; the room past the end is
    // cut off again afterwards.
    char pattern[16] = {};
    std::memcpy(pattern, marker.data(), marker.size());
    const std::size_t step = marker.size() + 2;
    for (TextView line; lines.Next(line);) {
      const char* cell = line.data();
      for (std::size_t k = line.size() / 2; k > 0; --k, cell += 2, out += step) {
        std::memcpy(out, pattern, 16);
        std::memcpy(out + marker.size(), cell, 2);
      }
      std::memcpy(out, pattern, 16);
      std::memcpy(out + marker.size(), "\r\n", 2);
      out += step;
    }
    r.resize(static_cast<std::size_t>(size));
    return r;
  }
  for (TextView line; lines.Next(line);) {
    const char* cell = line.data();
    for (std::size_t k = line.size() / 2; k > 0; --k, cell += 2) {
      std::memcpy(out, marker.data(), marker.size());
      out += marker.size();
      *out++ = cell[0];
      *out++ = cell[1];
    }
    std::memcpy(out, marker.data(), marker.size());
    out += marker.size();
    *out++ = '\r';
    *out++ = '\n';
  }
  return r;
}

}  // namespace quillora
