#include "quillora/decorate.h"

#include <cstring>

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

  Text r(static_cast<std::size_t>(size), '\0');
  char* out = r.data();
  const auto put_marker = [&out, &marker] {
    std::memcpy(out, marker.data(), marker.size());
    out += marker.size();
  };
  detail::Splitter lines(source, kLineBreak);
  for (TextView line; lines.Next(line);) {
    const char* cell = line.data();
    for (std::size_t k = line.size() / 2; k > 0; --k, cell += 2) {
      put_marker();
      *out++ = cell[0];
      *out++ = cell[1];
    }
    put_marker();
    *out++ = '\r';
    *out++ = '\n';
  }
  return r;
}

}  // namespace quillora
