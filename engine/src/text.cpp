#include "quillora/text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "splitter.h"
#include "walk.h"

namespace quillora {

using detail::IsLeadByte;

namespace {

const unsigned char* Bytes(TextView t) { return reinterpret_cast<const unsigned char*>(t.data()); }
unsigned char* Bytes(Text& t) { return reinterpret_cast<unsigned char*>(t.data()); }

}  // namespace

bool IsEmpty(TextView t) { return t.empty(); }

std::int32_t TextLength(TextView t) { return static_cast<std::int32_t>(t.size()); }

Text TextLeft(TextView t, std::int32_t n) {
  if (n <= 0) return Text();
  return Text(t.substr(0, std::min<std::size_t>(static_cast<std::size_t>(n), t.size())));
}

Text TextRight(TextView t, std::int32_t n) {
  if (n <= 0) return Text();
  const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n), t.size());
  return Text(t.substr(t.size() - k));
}

Text BlankText(std::int32_t n) {
  if (n <= 0) return Text();
  return Text(static_cast<std::size_t>(n), ' ');
}

Text Concat(std::initializer_list<TextView> parts) {
  std::size_t size = 0;
  for (TextView p : parts) size += p.size();
  Text r;
  r.reserve(size);
  for (TextView p : parts) r.append(p);
  return r;
}

TextList SplitText(TextView t, TextView delimiter) {
  TextList pieces;
  detail::Splitter split(t, delimiter);
  TextView piece;
  while (split.Next(piece)) pieces.emplace_back(piece);
  return pieces;
}

Text RemoveLineBreaks(TextView t) {
  const unsigned char* s = Bytes(t);
  const std::size_t n = t.size();
  Text r(n, '\0');
  unsigned char* out = Bytes(r);
  std::size_t i = 0, o = 0;
  while (i + 2 <= n) {
    if (s[i] == '\r' && s[i + 1] == '\n') {
      i += 2;
    } else if (IsLeadByte(s[i])) {
      out[o++] = s[i++];
      out[o++] = s[i++];
    } else {
      out[o++] = s[i++];
    }
  }
  while (i < n) out[o++] = s[i++];  // fewer than two bytes left: kept as they are
  r.resize(o);
  return r;
}

Text RemoveAllSpaces(TextView t) {
  const unsigned char* s = Bytes(t);
  const std::size_t n = t.size();
  Text r(n, '\0');
  unsigned char* out = Bytes(r);
  std::size_t i = 0, o = 0;
  while (i < n) {
    if (!IsLeadByte(s[i])) {
      if (s[i] != ' ') out[o++] = s[i];
      ++i;
    } else if (i + 1 < n) {
      if (!(s[i] == 0xA1 && s[i + 1] == 0xA1)) {
        out[o++] = s[i];
        out[o++] = s[i + 1];
      }
      i += 2;
    } else {
      break;  // dangling lead byte: dropped
    }
  }
  r.resize(o);
  return r;
}

Text ToFullWidth(TextView t) {
  const unsigned char* s = Bytes(t);
  const std::size_t n = t.size();
  std::size_t size = 0;
  for (std::size_t i = 0; i < n;) {
    if (!IsLeadByte(s[i])) {
      size += detail::HasFullWidthForm(s[i]) ? 2 : 1;
      ++i;
    } else if (i + 1 < n) {
      size += 2;
      i += 2;
    } else {
      break;
    }
  }
  Text r(size, '\0');
  unsigned char* out = Bytes(r);
  std::size_t o = 0;
  for (std::size_t i = 0; o < size;) {
    const unsigned char b = s[i];
    if (!IsLeadByte(b)) {
      if (detail::HasFullWidthForm(b)) {
        out[o++] = detail::FullWidthLead(b);
        out[o++] = detail::FullWidthTrail(b);
      } else {
        out[o++] = b;
      }
      ++i;
    } else {
      out[o++] = b;
      out[o++] = s[i + 1];
      i += 2;
    }
  }
  return r;
}

std::size_t detail::HalfWidthInto(const unsigned char* src, std::size_t n, unsigned char* dst) {
  std::size_t i = 0, o = 0;
  while (i < n) {
    const unsigned char b = src[i];
    if (!IsLeadByte(b)) {
      dst[o++] = b;
      ++i;
    } else if (i + 1 < n) {
      const unsigned char trail = src[i + 1];
      if (const unsigned char ascii = HalfWidthOf(b, trail)) {
        dst[o++] = ascii;
      } else {
        dst[o++] = b;
        dst[o++] = trail;
      }
      i += 2;
    } else {
      break;  // dangling lead byte: dropped
    }
  }
  return o;
}

Text ToHalfWidth(TextView t) {
  Text r(t);
  r.resize(detail::HalfWidthInto(Bytes(r), r.size(), Bytes(r)));
  return r;
}

std::int32_t ToInteger(TextView t) {
  const Text h = ToHalfWidth(t);
  std::size_t i = 0;
  while (i < h.size() && (h[i] == ' ' || (h[i] >= 0x09 && h[i] <= 0x0D))) ++i;
  bool negative = false;
  if (i < h.size() && (h[i] == '+' || h[i] == '-')) negative = h[i++] == '-';
  std::uint32_t value = 0;  // unsigned: the wrap-around is defined
  for (; i < h.size() && h[i] >= '0' && h[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(h[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::int32_t TruncateToInteger(double x) {
  if (!std::isfinite(x)) return 0;
  // The low 32 bits of the truncated value, worked out exactly for any magnitude.
  double low = std::fmod(std::trunc(x), 4294967296.0);
  if (low < 0) low += 4294967296.0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
}

}  // namespace quillora
