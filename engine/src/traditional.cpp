#include "quillora/traditional.h"

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

Text ToTraditional(TextView t) {
  Text r(t);
  auto* s = reinterpret_cast<unsigned char*>(r.data());
  const std::size_t n = r.size();
  std::size_t i = 0;
  while (i < n) {
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    if (i + 1 >= n) break;  // a dangling lead byte stays
    if (HasTraditionalEntry(s[i], s[i + 1])) {
      const unsigned char* e = kTable.data() + TraditionalEntryOffset(s[i], s[i + 1]);
      s[i] = e[0];
      s[i + 1] = e[1];
    }
    i += 2;
  }
  return r;
}

}  // namespace quillora
