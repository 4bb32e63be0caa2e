#include "working.h"

#include <bit>
#include <cstring>

#include "walk.h"

namespace quillora::detail {

WorkingText::WorkingText(TextView input, WorkingSteps steps)
    : s_(Bytes(input)),
      n_(input.size()),
      steps_(steps),
      pairs_(steps.traditional ? TraditionalPairTable() : nullptr) {}

// One character of the input at s[i] (i < n): passes its 0 to 2 working bytes to emit and
// advances i. The walks keep their state in locals, which the compiler holds in registers.
template <class Emit>
inline void Step(const unsigned char* s, std::size_t n, std::size_t& i, bool remove_spaces,
                 const std::uint16_t* pairs, Emit&& emit) {
  const unsigned char b = s[i];
  if (b < 0x80) {
    if (b == '\r' && i + 1 < n && s[i + 1] == '\n') {
      i += 2;  // a line break: removed
    } else if (HasFullWidthForm(b)) {
      if (!(b == ' ' && remove_spaces)) emit(FullWidthLead(b), FullWidthTrail(b), 2);
      ++i;
    } else {
      emit(b, 0, 1);  // control bytes stay single
      ++i;
    }
    return;
  }
  if (i + 1 >= n) {
    i = n;  // a dangling lead byte: dropped by the full-width step
    return;
  }
  std::uint16_t pair = Load2(s + i);
  if (pairs) pair = pairs[pair];
  const unsigned char lead = pair & 0xFF, trail = pair >> 8;
  if (!(remove_spaces && lead == 0xA1 && trail == 0xA1)) emit(lead, trail, 2);
  i += 2;
}

namespace {

// The per-block facts both walks need. Blocks follow one another every 64 bytes; what crosses
// from one to the next is whether byte 0 is the trail of the block before's last lead, or the
// LF of a line break whose CR ended the block before. A block is taken only with a byte after it.
struct WorkingBlock {
  BlockChars c;
  std::uint64_t printable;  // one-byte characters with a full-width form
  std::uint64_t breaks;     // "\r\n" starting here
  std::uint64_t gone;       // bytes that give nothing: line breaks, and what remove spaces deletes
  std::uint64_t dropped;    // spaces and leads of A1 A1, when spaces are removed

  WorkingBlock(const unsigned char* p, bool trail_first, bool lf_first, bool remove_spaces)
      : c(ScanBlock(p, trail_first)) {
    printable = c.singles & PrintableMask(p);
    breaks = LineBreaks(p, c, p[64]) & ~static_cast<std::uint64_t>(lf_first);
    dropped = 0;
    if (remove_spaces) {
      const std::uint64_t a1 = EqualMask<0xA1>(p);
      const std::uint64_t a1_after = (a1 >> 1) | (static_cast<std::uint64_t>(p[64] == 0xA1) << 63);
      dropped = (printable & EqualMask<' '>(p)) | (c.leads & a1 & a1_after);
    }
    gone = breaks | (breaks << 1) | dropped | static_cast<std::uint64_t>(lf_first);
  }
  bool ends_in_break() const { return (breaks >> 63) != 0; }
};

}  // namespace

std::size_t WorkingText::Length() const {
  const unsigned char* s = s_;
  const std::size_t n = n_;
  const bool remove_spaces = steps_.remove_spaces;
  const std::uint16_t* pairs = pairs_;
  std::size_t length = 0, i = 0;
  bool trail_first = false, lf_first = false;
  // No pair converts to the ideographic space, so the spaces are those of the input.
  for (; i + 65 <= n; i += 64) {
    // Every byte counts one, a lead one more for its trail (wherever that is), a printable byte
    // one more for its full-width form; line breaks and dropped characters give nothing.
    const WorkingBlock b(s + i, trail_first, lf_first, remove_spaces);
    length += 64 + (b.c.last_is_lead ? 1 : 0) - (trail_first ? 1 : 0) + Bits(b.printable);
    if (b.gone) {
      length -= Bits(b.breaks | (b.breaks << 1)) + (lf_first ? 1 : 0) + 2 * Bits(b.dropped);
    }
    trail_first = b.c.last_is_lead;
    lf_first = b.ends_in_break();
  }
  if (trail_first || lf_first) ++i;  // taken with the block before
  const auto count = [&length](unsigned char, unsigned char, int k) { length += k; };
  while (i < n) Step(s, n, i, remove_spaces, pairs, count);
  return length;
}

std::size_t WorkingText::Read(unsigned char* out, std::size_t want) {
  std::size_t o = 0;
  while (pending_count_ > 0 && o < want) {
    out[o++] = pending_[0];
    pending_[0] = pending_[1];
    --pending_count_;
  }
  const unsigned char* s = s_;
  const std::size_t n = n_;
  const bool remove_spaces = steps_.remove_spaces;
  const std::uint16_t* pairs = pairs_;
  std::size_t i = at_;
  bool trail_first = false, lf_first = false;
  // Whole blocks while their output (at most two bytes a byte, and a trail) surely fits, with
  // room on both sides for the fixed 64-byte copies' overrun.
  for (; i + 144 <= n && o + 208 <= want; i += 64) {
    const WorkingBlock b(s + i, trail_first, lf_first, remove_spaces);
    const unsigned char* p = s + i;
    const std::size_t end = 64 + (b.c.last_is_lead ? 1 : 0);
    std::size_t from = trail_first ? 1 : 0;
    trail_first = b.c.last_is_lead;
    lf_first = b.ends_in_break();
    if (b.c.singles == 0 && b.dropped == 0 && !pairs) {  // only two-byte characters
      Copy64(out + o, p + from);
      o += end - from;
      continue;
    }
    // Bytes [from, to) are whole two-byte characters.
    const auto pairs_to = [&](std::size_t to) {
      if (!pairs) {
        Copy64(out + o, p + from);
        o += to - from;
        return;
      }
      for (std::size_t k = from; k < to; k += 2, o += 2) {
        const std::uint16_t pair = pairs[Load2(p + k)];
        std::memcpy(out + o, &pair, 2);
      }
    };
    std::uint64_t specials = b.c.singles | b.dropped;
    while (specials) {
      const int at = LowestBit(specials);
      specials &= specials - 1;
      pairs_to(static_cast<std::size_t>(at));
      const std::uint64_t bit = 1ull << at;
      const unsigned char c = p[at];
      // A one-byte character (or a dropped pair's lead): its full-width form, itself, or nothing.
      const bool wide = (b.printable & bit) != 0;
      out[o] = wide ? FullWidthLead(c) : c;
      out[o + 1] = FullWidthTrail(c);
      o += (b.gone & bit) ? 0 : (wide ? 2 : 1);
      from = static_cast<std::size_t>(at) + ((b.c.leads & bit) ? 2 : 1);
    }
    if (from < end) pairs_to(end);
  }
  if (trail_first || lf_first) ++i;  // taken with the block before
  const auto put = [&](unsigned char lead, unsigned char trail, int k) {
    out[o] = lead;
    out[o + 1] = trail;
    o += static_cast<std::size_t>(k);
  };
  while (i < n && o + 2 <= want) Step(s, n, i, remove_spaces, pairs, put);
  if (o < want && i < n) {
    // One byte of room left: the next character goes in part, its rest waits for the next Read.
    unsigned char bytes[2];
    int count = 0;
    while (count == 0 && i < n) {
      Step(s, n, i, remove_spaces, pairs, [&](unsigned char lead, unsigned char trail, int k) {
        bytes[0] = lead;
        bytes[1] = trail;
        count = k;
      });
    }
    if (count > 0) out[o++] = bytes[0];
    if (count == 2) pending_[pending_count_++] = bytes[1];
  }
  at_ = i;
  return o;
}

}  // namespace quillora::detail
