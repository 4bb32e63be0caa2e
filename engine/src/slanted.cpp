#include "quillora/slanted.h"

#include <cstring>

#include "working.h"

namespace quillora {

MaybeText SlantedText(TextView input) {
  if (IsEmpty(input)) return std::nullopt;
  detail::WorkingText working(input, {});
  const std::int64_t cells = static_cast<std::int64_t>(working.Length() / 2);
  if (cells == 0) return Text();
  // Line i (from 0) is 2i spaces and one cell; n - 1 line breaks lie between the lines.
  const std::int64_t size = cells * cells + 3 * cells - 2;
  if (size > kMaxTextLength) return std::nullopt;

  Text r = detail::UninitializedText(static_cast<std::size_t>(size));
  char* out = r.data();
  unsigned char chunk[4096];  // even, so that reads never split a cell
  std::size_t line = 0;
  for (std::size_t got; (got = working.Read(chunk, sizeof chunk)) >= 2;) {
    for (std::size_t k = 0; k + 2 <= got; k += 2) {
      if (line > 0) {
        *out++ = '\r';
        *out++ = '\n';
      }
      std::memset(out, ' ', 2 * line);
      out += 2 * line;
      *out++ = static_cast<char>(chunk[k]);
      *out++ = static_cast<char>(chunk[k + 1]);
      ++line;
    }
  }
  return r;  // an odd last byte of the working text never completed a cell: dropped
}

}  // namespace quillora
