// The working text of the slanted text and the classical layout, produced in one walk over the
// input instead of one intermediate text per step: traditional characters (optional), full
// width, line breaks removed, spaces removed (optional). Each step keeps the character
// boundaries of the walking rule, so a single walk over the input's characters gives exactly
// what the steps give one after another. It is read in chunks, so no text of its size is built.
#pragma once

#include <cstddef>

#include "fast.h"
#include "quillora/text.h"

namespace quillora::detail {

struct WorkingSteps {
  bool traditional = false;
  bool remove_spaces = false;
};

class WorkingText {
 public:
  WorkingText(TextView input, WorkingSteps steps);

  // The byte length of the whole working text.
  std::size_t Length() const;
  // Writes the next bytes of the working text into out, exactly `want` of them unless the text
  // ends first; returns how many.
  std::size_t Read(unsigned char* out, std::size_t want);

 private:
  const unsigned char* s_;
  std::size_t n_;
  WorkingSteps steps_;
  const std::uint16_t* pairs_;
  std::size_t at_ = 0;
  unsigned char pending_[2];  // bytes of a character that did not fit the last Read
  std::size_t pending_count_ = 0;
};

}  // namespace quillora::detail
