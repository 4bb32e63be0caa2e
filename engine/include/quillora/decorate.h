// The marker decoration: a marker before every character cell of every line and one more at
// the end of each line.
#pragma once

#include "quillora/text.h"

namespace quillora {

// The two fixed markers of the window.
inline constexpr TextView kArrowMarker = "\xA1\xFC";     // ↑
inline constexpr TextView kCurrencyMarker = "\xA1\xE8";  // ¤

// Lines by SplitText(source, "\r\n"); each line of L bytes becomes floor(L / 2) cells, each
// after a marker, then a marker and "\r\n". An odd last byte of a line is lost. No result for
// an empty marker or a result that would exceed kMaxTextLength.
MaybeText DecorateText(TextView source, TextView marker);

}  // namespace quillora
