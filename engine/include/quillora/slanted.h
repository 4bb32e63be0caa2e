// The slanted staircase: every character cell on a line of its own, each line indented two
// spaces further than the one before.
#pragma once

#include "quillora/text.h"

namespace quillora {

// No result for the empty input; otherwise the staircase of the full-width text with its line
// breaks removed, n * n + 3 * n - 2 bytes for n cells (the empty text for none). No result as
// well when that size exceeds kMaxTextLength.
MaybeText SlantedText(TextView input);

}  // namespace quillora
