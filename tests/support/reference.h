// The generators written out step by step, the slow way, with the text operations alone: the
// yardstick that the one-pass generators are compared with on many inputs.
#pragma once

#include <cstdint>
#include <string_view>

#include "quillora/classical.h"
#include "quillora/decorate.h"
#include "quillora/slanted.h"
#include "quillora/text.h"
#include "quillora/traditional.h"

namespace quillora::test {

// ---- The small operations, one character at a time ----------------------------------------

// The walking rule, one character at a time: returns the character's length at t[i] (2 for a
// lead with a partner, 1 otherwise, 0 for a dangling lead byte).
inline std::size_t CharAt(std::string_view t, std::size_t i) {
  if (static_cast<unsigned char>(t[i]) < 0x80) return 1;
  return i + 1 < t.size() ? 2 : 0;
}

inline Text NaiveRemoveLineBreaks(std::string_view t) {
  Text r;
  std::size_t i = 0;
  while (i + 2 <= t.size()) {
    if (t[i] == '\r' && t[i + 1] == '\n') {
      i += 2;
    } else {
      const std::size_t k = CharAt(t, i);
      r.append(t.substr(i, k));
      i += k;
    }
  }
  r.append(t.substr(i));
  return r;
}

inline Text NaiveRemoveAllSpaces(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t k = CharAt(t, i);
    if (k == 0) break;
    const std::string_view c = t.substr(i, k);
    if (c != " " && c != "\xA1\xA1") r.append(c);
    i += k;
  }
  return r;
}

inline Text NaiveFullWidth(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char b = static_cast<unsigned char>(t[i]);
    if (b >= 0x80) {
      if (i + 1 >= t.size()) break;
      r.append(t.substr(i, 2));
      i += 2;
      continue;
    }
    if (b == 0x20) {
      r += "\xA1\xA1";
    } else if (b == 0x7E) {
      r += "\xA1\xAB";
    } else if (b >= 0x21 && b <= 0x7D) {
      r += static_cast<char>(0xA3);
      r += static_cast<char>(b | 0x80);
    } else {
      r += static_cast<char>(b);
    }
    ++i;
  }
  return r;
}

inline Text NaiveHalfWidth(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char b = static_cast<unsigned char>(t[i]);
    if (b < 0x80) {
      r += static_cast<char>(b);
      ++i;
      continue;
    }
    if (i + 1 >= t.size()) break;
    const unsigned char c = static_cast<unsigned char>(t[i + 1]);
    if (b == 0xA1 && c == 0xA1) {
      r += ' ';
    } else if (b == 0xA1 && c == 0xAB) {
      r += '~';
    } else if (b == 0xA1 && (c == 0xEE || c == 0xEF)) {
      r += '*';
    } else if (b == 0xA3 && c >= 0xA1 && c <= 0xFE) {
      r += static_cast<char>(c & 0x7F);
    } else {
      r.append(t.substr(i, 2));
    }
    i += 2;
  }
  return r;
}

inline std::int32_t NaiveInteger(std::string_view t) {
  const Text h = NaiveHalfWidth(t);
  std::size_t i = 0;
  while (i < h.size() && (h[i] == ' ' || (h[i] >= 9 && h[i] <= 13))) ++i;
  bool minus = false;
  if (i < h.size() && (h[i] == '+' || h[i] == '-')) minus = h[i++] == '-';
  std::int64_t v = 0;
  for (; i < h.size() && h[i] >= '0' && h[i] <= '9'; ++i) {
    v = static_cast<std::int64_t>(static_cast<std::uint32_t>(v * 10 + (h[i] - '0')));
  }
  if (minus) v = -v;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// A copy of t with every character through the conversion table, one lookup at a time.
inline Text NaiveTraditional(std::string_view t) {
  Text r(t);
  for (std::size_t i = 0; i < r.size();) {
    const unsigned char lead = static_cast<unsigned char>(r[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (i + 1 >= r.size()) break;
    const unsigned char trail = static_cast<unsigned char>(r[i + 1]);
    if (HasTraditionalEntry(lead, trail)) {
      const unsigned char* e = TraditionalTable().data() + TraditionalEntryOffset(lead, trail);
      r[i] = static_cast<char>(e[0]);
      r[i + 1] = static_cast<char>(e[1]);
    }
    i += 2;
  }
  return r;
}

// SplitText's walk, one character at a time.
inline TextList NaiveSplit(std::string_view t, std::string_view d) {
  TextList pieces;
  if (t.empty()) return pieces;
  if (d.empty()) return {Text(t)};
  std::size_t start = 0, i = 0;
  while (t.size() - i >= d.size()) {
    if (t.compare(i, d.size(), d) == 0) {
      pieces.emplace_back(t.substr(start, i - start));
      i += d.size();
      start = i;
      continue;
    }
    const std::size_t k = CharAt(t, i);
    if (k == 0) break;
    i += k;
  }
  if (start < t.size()) pieces.emplace_back(t.substr(start));
  return pieces;
}

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
