// The working text of the slanted text and the classical layout, produced in one walk over the
// input instead of one intermediate text per step: traditional characters (optional), full
// width, line breaks removed, spaces removed (optional). Each step keeps the character
// boundaries of the walking rule, so a single walk over the input's characters gives exactly
// what the steps give one after another.
#pragma once

#include <cstddef>

#include "quillora/text.h"
#include "quillora/traditional.h"
#include "walk.h"

namespace quillora::detail {

struct WorkingSteps {
  bool traditional = false;
  bool remove_spaces = false;
};

// Calls sink(byte) for every byte of the working text, in order.
template <class Sink>
void WalkWorkingText(TextView input, WorkingSteps steps, Sink&& sink) {
  const auto* s = reinterpret_cast<const unsigned char*>(input.data());
  const std::size_t n = input.size();
  const unsigned char* table = steps.traditional ? TraditionalTable().data() : nullptr;
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = s[i];
    if (b < 0x80) {
      if (b == '\r' && i + 1 < n && s[i + 1] == '\n') {
        i += 2;  // a line break: removed
        continue;
      }
      if (HasFullWidthForm(b)) {
        if (!(b == ' ' && steps.remove_spaces)) {
          sink(FullWidthLead(b));
          sink(FullWidthTrail(b));
        }
      } else {
        sink(b);  // control bytes stay single
      }
      ++i;
      continue;
    }
    if (i + 1 >= n) break;  // a dangling lead byte: dropped by the full-width step
    unsigned char lead = b, trail = s[i + 1];
    if (table && HasTraditionalEntry(lead, trail)) {
      const unsigned char* e = table + TraditionalEntryOffset(lead, trail);
      lead = e[0];
      trail = e[1];
    }
    if (!(steps.remove_spaces && lead == 0xA1 && trail == 0xA1)) {
      sink(lead);
      sink(trail);
    }
    i += 2;
  }
}

// The byte length of the working text.
inline std::size_t WorkingLength(TextView input, WorkingSteps steps) {
  std::size_t length = 0;
  WalkWorkingText(input, steps, [&length](unsigned char) { ++length; });
  return length;
}

}  // namespace quillora::detail
