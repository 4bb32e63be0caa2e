#include "working.h"

#include "walk.h"

namespace quillora::detail {

namespace {

// Whether any of the four pairs of a word of four whole characters is the ideographic space.
bool HasIdeographicSpace(std::uint64_t v) {
  constexpr std::uint64_t kLanes = 0x0001000100010001ull;
  const std::uint64_t x = v ^ 0xA1A1A1A1A1A1A1A1ull;
  return ((x - kLanes) & ~x & 0x8000800080008000ull) != 0;
}

// Four characters through the pair table: the bytes of v in text order.
std::uint64_t MapPairs(std::uint64_t v, const std::uint16_t* pairs) {
  std::uint64_t r = 0;
  for (int k = 0; k < 4; ++k) {
    const unsigned lead = (v >> (16 * k)) & 0xFF, trail = (v >> (16 * k + 8)) & 0xFF;
    r |= static_cast<std::uint64_t>(pairs[lead << 8 | trail]) << (16 * k);
  }
  return r;
}

}  // namespace

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
  std::uint16_t pair = static_cast<std::uint16_t>(b | s[i + 1] << 8);
  if (pairs) pair = pairs[b << 8 | s[i + 1]];
  const unsigned char lead = pair & 0xFF, trail = pair >> 8;
  if (!(remove_spaces && lead == 0xA1 && trail == 0xA1)) emit(lead, trail, 2);
  i += 2;
}

std::size_t WorkingText::Length() const {
  const unsigned char* s = s_;
  const std::size_t n = n_;
  const bool remove_spaces = steps_.remove_spaces;
  const std::uint16_t* pairs = pairs_;
  std::size_t length = 0, i = 0;
  const auto count = [&length](unsigned char, unsigned char, int k) { length += k; };
  while (i < n) {
    if (i + 8 <= n) {
      std::uint64_t v = Load8(s + i);
      if (AllHigh(v)) {
        if (remove_spaces) {
          if (pairs) v = MapPairs(v, pairs);
          if (HasIdeographicSpace(v)) {
            for (int k = 0; k < 4; ++k) Step(s, n, i, remove_spaces, pairs, count);
            continue;
          }
        }
        length += 8;
        i += 8;
        continue;
      }
    }
    Step(s, n, i, remove_spaces, pairs, count);
  }
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
  // Whole characters while they fit; a character that would cross `want` ends the loop.
  const auto put = [&](unsigned char lead, unsigned char trail, int k) {
    out[o] = lead;
    out[o + 1] = trail;
    o += static_cast<std::size_t>(k);
  };
  while (i < n && o + 2 <= want) {
    if (i + 8 <= n && o + 8 <= want) {
      std::uint64_t v = Load8(s + i);
      if (AllHigh(v)) {
        if (pairs) v = MapPairs(v, pairs);
        if (!(remove_spaces && HasIdeographicSpace(v))) {
          Store8(out + o, v);
          o += 8;
          i += 8;
          continue;
        }
      }
    }
    Step(s, n, i, remove_spaces, pairs, put);
  }
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
