#include "quillora/text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "fast.h"
#include "splitter.h"
#include "walk.h"

namespace quillora {

using detail::IsLeadByte;

using detail::AllHigh;
using detail::AllLow;
using detail::Bytes;
using detail::Load8;
using detail::Store8;

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
  Text r(n + 64, '\0');  // room for the block copies' overrun
  unsigned char* out = Bytes(r);
  std::size_t i = 0, o = 0;
  bool trail_first = false, lf_first = false;
  // Whole blocks, with room after each for the copies' overrun on the input side too.
  for (; i + 80 <= n; i += 64) {
    const detail::BlockChars c = detail::ScanBlock(s + i, trail_first);
    const std::uint64_t breaks = detail::LineBreaks(s + i, c, s[i + 64]) & ~std::uint64_t{lf_first};
    const std::uint64_t gone = breaks | (breaks << 1) | std::uint64_t{lf_first};
    trail_first = c.last_is_lead;
    lf_first = (breaks >> 63) != 0;
    if (gone == 0) {
      detail::CopyShort(out + o, s + i, 64);
      o += 64;
      continue;
    }
    // Copy the runs between the deleted bytes.
    std::size_t from = 0;
    for (std::uint64_t left = gone; left;) {
      const std::size_t at = static_cast<std::size_t>(detail::LowestBit(left));
      left &= left - 1;
      detail::CopyShort(out + o, s + i + from, at - from);
      o += at - from;
      from = at + 1;
    }
    detail::CopyShort(out + o, s + i + from, 64 - from);
    o += 64 - from;
  }
  if (lf_first) ++i;  // the LF of a line break the last block deleted
  // A trail first is copied as it is; the walk goes on after it.
  if (trail_first) out[o++] = s[i++];
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
  std::size_t size = 0, i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      const std::uint64_t v = Load8(s + i);
      if (AllHigh(v)) {
        size += 8;
        i += 8;
        continue;
      }
      if (AllLow(v)) {
        // Bytes of 0x20 and above get the high bit from adding 0x60; 0x7F is taken back out.
        const std::uint64_t printable = (v + 0x6060606060606060ull) & detail::kHighBits;
        size += 8 + static_cast<std::size_t>(std::popcount(printable)) -
                static_cast<std::size_t>(detail::CountByte(v, 0x7F));
        i += 8;
        continue;
      }
    }
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
  Text r = detail::UninitializedText(size);
  unsigned char* out = Bytes(r);
  std::size_t o = 0;
  for (i = 0; o < size;) {
    if (i + 8 <= n && o + 8 <= size) {
      const std::uint64_t v = Load8(s + i);
      if (AllHigh(v)) {
        Store8(out + o, v);
        i += 8;
        o += 8;
        continue;
      }
    }
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

const unsigned char* detail::HalfWidthPairTable() {
  static const auto* table = [] {
    static unsigned char t[65536];
    for (unsigned pair = 0; pair < 65536; ++pair) {
      t[pair] = HalfWidthOf(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair));
    }
    return t;
  }();
  return table;
}

std::size_t detail::HalfWidthInto(const unsigned char* src, std::size_t n, unsigned char* dst) {
  const unsigned char* half = HalfWidthPairTable();
  std::size_t i = 0, o = 0;
  while (i < n) {
    if (i + 8 <= n) {
      // Read the word before writing: dst may trail src within the same bytes.
      const std::uint64_t v = Load8(src + i);
      if (AllLow(v)) {
        Store8(dst + o, v);
        i += 8;
        o += 8;
        continue;
      }
      if (AllHigh(v)) {  // four whole characters, each one or two bytes after
        for (int k = 0; k < 4; ++k) {
          const unsigned char lead = static_cast<unsigned char>(v >> (16 * k));
          const unsigned char trail = static_cast<unsigned char>(v >> (16 * k + 8));
          const unsigned char ascii = half[lead << 8 | trail];
          dst[o] = ascii ? ascii : lead;
          dst[o + 1] = trail;
          o += ascii ? 1 : 2;
        }
        i += 8;
        continue;
      }
    }
    const unsigned char b = src[i];
    if (!IsLeadByte(b)) {
      dst[o++] = b;
      ++i;
    } else if (i + 1 < n) {
      const unsigned char trail = src[i + 1];
      if (const unsigned char ascii = half[b << 8 | trail]) {
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
  Text r = detail::UninitializedText(t.size());
  r.resize(detail::HalfWidthInto(Bytes(t), t.size(), Bytes(r)));
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
