#include "quillora/slanted.h"

#include <cstring>

#include "working.h"

namespace quillora {

MaybeText SlantedText(TextView input) {
  if (IsEmpty(input)) return std::nullopt;
  const detail::WorkingSteps steps{};
  const std::int64_t cells = static_cast<std::int64_t>(detail::WorkingLength(input, steps) / 2);
  if (cells == 0) return Text();
  // Line i (from 0) is 2i spaces and one cell; n - 1 line breaks lie between the lines.
  const std::int64_t size = cells * cells + 3 * cells - 2;
  if (size > kMaxTextLength) return std::nullopt;

  Text r(static_cast<std::size_t>(size), '\0');
  char* out = r.data();
  std::size_t line = 0;
  int half = -1;  // the first byte of a cell while its second is awaited
  detail::WalkWorkingText(input, steps, [&](unsigned char b) {
    if (half < 0) {
      half = b;
      return;
    }
    if (line > 0) {
      *out++ = '\r';
      *out++ = '\n';
    }
    std::memset(out, ' ', 2 * line);
    out += 2 * line;
    *out++ = static_cast<char>(half);
    *out++ = static_cast<char>(b);
    half = -1;
    ++line;
  });
  return r;  // an odd last byte of the working text never completed a cell: dropped
}

}  // namespace quillora
