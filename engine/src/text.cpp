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

using detail::Bytes;

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
  Text r = detail::UninitializedText(n + 64);  // room for the block copies' overrun
  unsigned char* out = Bytes(r);
  std::size_t i = 0, o = 0;
  bool trail_first = false, lf_first = false;
  // Whole blocks, with room after each for the copies' overrun on the input side too.
  for (; i + 144 <= n; i += 64) {
    const detail::BlockChars c = detail::ScanBlock(s + i, trail_first);
    const std::uint64_t breaks = detail::LineBreaks(s + i, c, s[i + 64]) & ~std::uint64_t{lf_first};
    const std::uint64_t gone = breaks | (breaks << 1) | std::uint64_t{lf_first};
    trail_first = c.last_is_lead;
    lf_first = (breaks >> 63) != 0;
    if (gone == 0) {
      detail::Copy64(out + o, s + i);
      o += 64;
      continue;
    }
    // Copy the runs between the deleted bytes.
    std::size_t from = 0;
    for (std::uint64_t left = gone; left;) {
      const std::size_t at = static_cast<std::size_t>(detail::LowestBit(left));
      left &= left - 1;
      detail::Copy64(out + o, s + i + from);
      o += at - from;
      from = at + 1;
    }
    detail::Copy64(out + o, s + i + from);
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

namespace {

// One-byte characters of a block that have a full-width form.
std::uint64_t PrintableSingles(const unsigned char* p, const detail::BlockChars& c) {
  return c.singles & detail::PrintableMask(p);
}

}  // namespace

Text ToFullWidth(TextView t) {
  const unsigned char* s = Bytes(t);
  const std::size_t n = t.size();
  // The size first: every byte one, a lead one more for its trail, a printable byte one more.
  std::size_t size = 0, i = 0;
  bool trail_first = false;
  for (; i + 65 <= n; i += 64) {
    const detail::BlockChars c = detail::ScanBlock(s + i, trail_first);
    size += 64 + (c.last_is_lead ? 1 : 0) - (trail_first ? 1 : 0) +
            detail::Bits(PrintableSingles(s + i, c));
    trail_first = c.last_is_lead;
  }
  if (trail_first) ++i;
  while (i < n) {
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
  Text r = detail::UninitializedText(size + 64);  // room for the block copies' overrun
  unsigned char* out = Bytes(r);
  std::size_t o = 0;
  trail_first = false;
  for (i = 0; i + 144 <= n; i += 64) {
    const unsigned char* p = s + i;
    const detail::BlockChars c = detail::ScanBlock(p, trail_first);
    const std::size_t end = 64 + (c.last_is_lead ? 1 : 0);
    std::size_t from = trail_first ? 1 : 0;
    trail_first = c.last_is_lead;
    // Everything but the printable one-byte characters is copied as it stands.
    for (std::uint64_t wide = PrintableSingles(p, c); wide;) {
      const std::size_t at = static_cast<std::size_t>(detail::LowestBit(wide));
      wide &= wide - 1;
      detail::Copy64(out + o, p + from);
      o += at - from;
      out[o++] = detail::FullWidthLead(p[at]);
      out[o++] = detail::FullWidthTrail(p[at]);
      from = at + 1;
    }
    detail::Copy64(out + o, p + from);
    out[o + 64] = p[from + 64];  // the trail, when the block ends in a lead
    o += end - from;
  }
  if (trail_first) ++i;
  for (; o < size;) {
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
  r.resize(size);
  return r;
}

const unsigned char* detail::HalfWidthPairTable() {
  static const auto* table = [] {
    static unsigned char t[65536];
    for (unsigned pair = 0; pair < 65536; ++pair) {
      t[pair] =
          HalfWidthOf(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair));
    }
    return t;
  }();
  return table;
}

std::size_t detail::HalfWidthInto(const unsigned char* src, std::size_t n, unsigned char* dst,
                                  bool in_place) {
  const unsigned char* half = HalfWidthPairTable();
  std::size_t i = 0, o = 0;
  bool trail_first = false;
  // Copies src[from, to) to the output: exactly when writing over the input itself, in fixed
  // steps that may overrun otherwise (the caller leaves room).
  const auto copy = [&](std::size_t from, std::size_t to) {
    if (in_place) {
      if (dst + o != src + from) std::memmove(dst + o, src + from, to - from);
    } else {
      Copy64(dst + o, src + from);
      dst[o + 64] = src[from + 64];
    }
    o += to - from;
  };
  for (; i + 144 <= n; i += 64) {
    const unsigned char* p = src + i;
    const BlockChars c = ScanBlock(p, trail_first);
    const std::size_t end = i + 64 + (c.last_is_lead ? 1 : 0);
    std::size_t from = i + (trail_first ? 1 : 0);
    trail_first = c.last_is_lead;
    // Only characters with lead A1 or A3 can have a half-width form. Look them all up first
    // (the look-ups do not wait on one another), then copy around the ones that shrink.
    unsigned char ascii[64];
    std::uint64_t shrinks = 0;
    for (std::uint64_t forms = c.leads & (EqualMask<0xA1>(p) | EqualMask<0xA3>(p)); forms;
         forms &= forms - 1) {
      const int k = LowestBit(forms);
      ascii[k] = half[p[k] << 8 | p[k + 1]];
      shrinks |= static_cast<std::uint64_t>(ascii[k] != 0) << k;
    }
    for (; shrinks; shrinks &= shrinks - 1) {
      const int k = LowestBit(shrinks);
      copy(from, i + static_cast<std::size_t>(k));
      dst[o++] = ascii[k];
      from = i + static_cast<std::size_t>(k) + 2;
    }
    copy(from, end);
  }
  if (trail_first) ++i;
  while (i < n) {
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
  Text r = detail::UninitializedText(t.size() + 64);  // room for the block copies' overrun
  r.resize(detail::HalfWidthInto(Bytes(t), t.size(), Bytes(r), false));
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
