#include "quillora/traditional.h"

#include <cstring>
#include <memory>

#include "fast.h"

namespace quillora {

namespace {

struct Pair {
  unsigned char lead, trail, to_lead, to_trail;
};

constexpr Pair kPairs[] = {
#include "traditional_pairs.inc"
};

// Identity for every pair, then the converting pairs written over it.
constexpr std::array<unsigned char, kTraditionalTableSize> BuildTable() {
  std::array<unsigned char, kTraditionalTableSize> table{};
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const int at = TraditionalEntryOffset(static_cast<unsigned char>(lead),
                                            static_cast<unsigned char>(trail));
      table[at] = static_cast<unsigned char>(lead);
      table[at + 1] = static_cast<unsigned char>(trail);
    }
  }
  for (const Pair& p : kPairs) {
    const int at = TraditionalEntryOffset(p.lead, p.trail);
    table[at] = p.to_lead;
    table[at + 1] = p.to_trail;
  }
  return table;
}

constexpr std::array<unsigned char, kTraditionalTableSize> kTable = BuildTable();

}  // namespace

const std::array<unsigned char, kTraditionalTableSize>& TraditionalTable() { return kTable; }

const std::uint16_t* detail::TraditionalPairTable() {
  static const std::unique_ptr<std::uint16_t[]> table = [] {
    auto t = std::make_unique<std::uint16_t[]>(65536);
    for (unsigned pair = 0; pair < 65536; ++pair) {
      unsigned char lead = pair >> 8, trail = pair & 0xFF;
      if (HasTraditionalEntry(lead, trail)) {
        const unsigned char* e = kTable.data() + TraditionalEntryOffset(lead, trail);
        lead = e[0];
        trail = e[1];
      }
      t[(pair & 0xFF) << 8 | pair >> 8] = static_cast<std::uint16_t>(lead | trail << 8);
    }
    return t;
  }();
  return table.get();
}

Text ToTraditional(TextView t) {
  using namespace detail;
  const unsigned char* s = Bytes(t);
  const std::size_t n = t.size();
  const std::uint16_t* pairs = TraditionalPairTable();
  Text r = UninitializedText(n);
  unsigned char* out = Bytes(r);
  std::size_t i = 0;
  const auto put = [out](std::size_t at, std::uint16_t pair) { std::memcpy(out + at, &pair, 2); };
  while (i < n) {
    if (i + 8 <= n) {
      const std::uint64_t v = Load8(s + i);
      if (AllHigh(v)) {  // four whole characters, each its own look-up
        put(i, pairs[v & 0xFFFF]);
        put(i + 2, pairs[(v >> 16) & 0xFFFF]);
        put(i + 4, pairs[(v >> 32) & 0xFFFF]);
        put(i + 6, pairs[v >> 48]);
        i += 8;
        continue;
      }
      if (AllLow(v)) {
        Store8(out + i, v);
        i += 8;
        continue;
      }
    }
    if (s[i] < 0x80) {
      out[i] = s[i];
      ++i;
    } else if (i + 1 < n) {
      // 0x80, 0xFF and trails outside the table map to themselves in the pair table.
      put(i, pairs[Load2(s + i)]);
      i += 2;
    } else {
      out[i] = s[i];  // a dangling lead byte stays
      ++i;
    }
  }
  return r;
}

}  // namespace quillora
