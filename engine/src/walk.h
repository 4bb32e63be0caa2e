// Byte-level helpers shared by the engine's operations: the walking rule and the width forms.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quillora::detail {

inline bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// The full-width form of a printable ASCII byte: 0x20 is the ideographic space A1 A1, 0x7E the
// full-width tilde A1 AB, the rest A3 followed by the byte with bit 7 set.
inline bool HasFullWidthForm(unsigned char b) { return b >= 0x20 && b <= 0x7E; }
inline unsigned char FullWidthLead(unsigned char b) {
  return (b == 0x20 || b == 0x7E) ? 0xA1 : 0xA3;
}
inline unsigned char FullWidthTrail(unsigned char b) {
  if (b == 0x20) return 0xA1;
  if (b == 0x7E) return 0xAB;
  return static_cast<unsigned char>(b | 0x80);
}

// The ASCII byte a two-byte form stands for, or 0 when the pair has no half-width form.
inline unsigned char HalfWidthOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3)
    return trail >= 0xA1 && trail <= 0xFE ? static_cast<unsigned char>(trail & 0x7F) : 0;
  if (lead != 0xA1) return 0;
  switch (trail) {
    case 0xA1:
      return 0x20;  // ideographic space
    case 0xAB:
      return 0x7E;  // ～
    case 0xEE:      // ☆
    case 0xEF:
      return 0x2A;  // ★
    default:
      return 0;
  }
}

// ToHalfWidth over n bytes from src into dst, returning the number of bytes written. With
// in_place, dst is src (the result never grows); otherwise dst needs 64 bytes of room past the
// result.
std::size_t HalfWidthInto(const unsigned char* src, std::size_t n, unsigned char* dst,
                          bool in_place);

}  // namespace quillora::detail
