// The generators written out step by step, the slow way, with the text operations alone: the
// yardstick that the one-pass generators are compared with on many inputs.
#pragma once

#include "quillora/classical.h"
#include "quillora/decorate.h"
#include "quillora/slanted.h"
#include "quillora/text.h"
#include "quillora/traditional.h"

namespace quillora::test {

inline MaybeText ReferenceSlanted(TextView input) {
  if (IsEmpty(input)) return std::nullopt;
  Text w = RemoveLineBreaks(ToFullWidth(input));
  const std::int32_t n = TruncateToInteger(TextLength(w) / 2.0);
  TextList lines(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n; ++i) {
    lines[i] = TextLeft(w, 2);
    w = TextRight(w, TruncateToInteger(TextLength(w) - 2.0));
  }
  Text r;
  for (std::int32_t i = 0; i < n; ++i) {
    r = Concat({r, BlankText(TruncateToInteger(i * 2.0)), lines[i], "\r\n"});
  }
  return TextLeft(r, TruncateToInteger(TextLength(r) - 2.0));
}

inline MaybeText ReferenceClassical(TextView input, TextView per_column, ClassicalOptions o) {
  if (IsEmpty(input)) return std::nullopt;
  const std::int32_t n = ToInteger(per_column);
  if (n <= 0) return std::nullopt;
  Text w = o.traditional ? ToTraditional(input) : Text(input);
  w = RemoveLineBreaks(ToFullWidth(w));
  if (o.remove_spaces) w = RemoveAllSpaces(w);
  const std::int32_t length = TextLength(w);
  const std::int32_t c = TruncateToInteger(length / static_cast<double>(n) / 2.0 + 1.0);
  TextList columns(static_cast<std::size_t>(c));
  for (auto& column : columns) {
    column = TextLeft(w, 2 * n);
    w = TextRight(w, TextLength(w) - TextLength(column));
  }
  TextList rows(static_cast<std::size_t>(n));
  for (std::int32_t i = c - 1; i >= 0; --i) {
    for (std::int32_t j = 0; j < n; ++j) {
      Text cell = BlankText(2);
      if (!IsEmpty(columns[i])) {
        cell = TextLeft(columns[i], 2);
        columns[i] = TextRight(columns[i], TextLength(columns[i]) - 2);
      }
      rows[j] = Concat({rows[j], cell});
    }
  }
  Text r;
  for (const Text& row : rows) r = Concat({r, row, "\r\n"});
  return o.full_width ? r : ToHalfWidth(r);
}

// The same layout by index arithmetic, fast enough for large texts: row j holds, from left to
// right, cell j of column C - 1 down to column 0, and a cell past the working text is blank.
inline Text DirectClassical(TextView input, std::int32_t n, ClassicalOptions o) {
  Text w = o.traditional ? ToTraditional(input) : Text(input);
  w = RemoveLineBreaks(ToFullWidth(w));
  if (o.remove_spaces) w = RemoveAllSpaces(w);
  const std::int64_t length = static_cast<std::int64_t>(w.size());
  const std::int64_t columns = length / (2 * std::int64_t{n}) + 1;
  Text r;
  for (std::int64_t j = 0; j < n; ++j) {
    for (std::int64_t c = columns - 1; c >= 0; --c) {
      const std::int64_t at = 2 * n * c + 2 * j;
      r += at < length ? w.substr(static_cast<std::size_t>(at), 2) : Text("  ");
    }
    r += "\r\n";
  }
  return o.full_width ? r : ToHalfWidth(r);
}

inline Text ReferenceDecorate(TextView source, TextView marker) {
  Text r;
  for (Text line : SplitText(source, "\r\n")) {
    const std::int32_t k = TruncateToInteger(TextLength(line) / 2.0);
    for (std::int32_t j = 0; j < k; ++j) {
      r = Concat({r, marker, TextLeft(line, 2)});
      line = TextRight(line, TruncateToInteger(TextLength(line) - 2.0));
    }
    r = Concat({r, marker, "\r\n"});
  }
  return r;
}

}  // namespace quillora::test
