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

  Text r = detail::UninitializedText(static_cast<std::size_t>(size));
  char* out = r.data();
  detail::Splitter lines(source, kLineBreak);
  if (marker.size() == 2) {
    // The window's markers: a marker and a cell are one four-byte store.
    std::uint16_t m2;
    std::memcpy(&m2, marker.data(), 2);
    for (TextView line; lines.Next(line);) {
      const char* cell = line.data();
      for (std::size_t k = line.size() / 2; k > 0; --k, cell += 2, out += 4) {
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
