#include "quillora/traditional.h"

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
      t[pair] = static_cast<std::uint16_t>(lead | trail << 8);
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
  while (i < n) {
    if (i + 8 <= n) {
      const std::uint64_t v = Load8(s + i);
      if (AllLow(v)) {
        Store8(out + i, v);
        i += 8;
        continue;
      }
      if (AllHigh(v)) {  // four whole characters
        std::uint64_t w = 0;
        for (int k = 0; k < 4; ++k) {
          w |= static_cast<std::uint64_t>(pairs[(v >> (16 * k) & 0xFF) << 8 | (v >> (16 * k + 8) & 0xFF)])
               << (16 * k);
        }
        Store8(out + i, w);
        i += 8;
        continue;
      }
    }
    if (s[i] < 0x80) {
      out[i] = s[i];
      ++i;
    } else if (i + 1 < n) {
      // 0x80, 0xFF and trails outside the table map to themselves in the pair table.
      const std::uint16_t pair = pairs[s[i] << 8 | s[i + 1]];
      out[i] = static_cast<unsigned char>(pair & 0xFF);
      out[i + 1] = static_cast<unsigned char>(pair >> 8);
      i += 2;
    } else {
      out[i] = s[i];  // a dangling lead byte stays
      ++i;
    }
  }
  return r;
}

}  // namespace quillora
