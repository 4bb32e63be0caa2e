// Simplified-to-traditional conversion, one character at a time through a fixed table.
#pragma once

#include <array>
#include <cstdint>

#include "quillora/text.h"

namespace quillora {

// The table has an entry for every lead byte 81..FE and trail byte 40..7E, 80..FE.
inline constexpr int kTraditionalRows = 126;
inline constexpr int kTraditionalRowEntries = 190;
inline constexpr int kTraditionalTableSize = kTraditionalRows * kTraditionalRowEntries * 2;

// The flat table: the two bytes for (lead, trail) start at (lead - 0x81) * 380 + 2 * entry,
// where entry is trail - 0x40 below 0x7F and trail - 0x41 above it.
const std::array<unsigned char, kTraditionalTableSize>& TraditionalTable();

// Whether the table has an entry for the pair (lead, trail).
inline constexpr bool HasTraditionalEntry(unsigned char lead, unsigned char trail) {
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// Where the entry for (lead, trail) starts in the flat table; the pair must have one.
inline constexpr int TraditionalEntryOffset(unsigned char lead, unsigned char trail) {
  return (lead - 0x81) * (kTraditionalRowEntries * 2) +
         2 * (trail < 0x7F ? trail - 0x40 : trail - 0x41);
}

// Same length as t; every character that the table converts is replaced, the rest is kept.
Text ToTraditional(TextView t);

}  // namespace quillora
