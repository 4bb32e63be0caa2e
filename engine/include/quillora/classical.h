// The classical vertical layout: columns of N character cells standing right to left,
// written out row by row.
#pragma once

#include "quillora/text.h"

namespace quillora {

struct ClassicalOptions {
  bool traditional = true;
  bool remove_spaces = false;
  bool full_width = true;
};

// No result for an empty input, a per-column count (read with ToInteger) of 0 or below, or a
// result that would exceed kMaxTextLength. Otherwise N rows of C cells, each row ending in
// "\r\n", passed through ToHalfWidth when full width is off.
MaybeText ClassicalLayout(TextView input, TextView per_column, const ClassicalOptions& options);

}  // namespace quillora
