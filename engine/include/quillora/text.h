// Text values and the small operations every generator is built from.
//
// A Text is a byte string in code page 936 (GBK) with no zero byte inside; lengths and
// positions count bytes. The empty string is the one empty text. Operations are pure: they
// take views and return new values, and none of them fails: odd input (invalid pairs, control
// bytes, a dangling lead byte, counts of zero or less) has a rule of its own.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

using Text = std::string;
using TextView = std::string_view;
// Pieces of a text; the system counts them from 1, the code from 0.
using TextList = std::vector<Text>;
// A generator's outcome: a new text, or no result (the output box keeps its text).
using MaybeText = std::optional<Text>;

// Lengths are 32-bit: no result may be longer than this.
inline constexpr std::int64_t kMaxTextLength = 2147483647;

bool IsEmpty(TextView t);
std::int32_t TextLength(TextView t);
// First / last min(n, length) bytes; empty for n <= 0. Cuts bytes, not characters.
Text TextLeft(TextView t, std::int32_t n);
Text TextRight(TextView t, std::int32_t n);
// n ASCII spaces; empty for n <= 0.
Text BlankText(std::int32_t n);
Text Concat(std::initializer_list<TextView> parts);

// Pieces between delimiters, found only at character starts. Empty pieces between delimiters
// are kept; a delimiter at the very end makes no trailing empty piece.
TextList SplitText(TextView t, TextView delimiter);
// Deletes every "\r\n" met at a character start; lone CR and LF stay.
Text RemoveLineBreaks(TextView t);
// Deletes the ASCII space and the ideographic space A1 A1; drops a dangling lead byte.
Text RemoveAllSpaces(TextView t);
// Printable ASCII to its two-byte full-width form; drops a dangling lead byte.
Text ToFullWidth(TextView t);
// Full-width forms (and the two stars) back to ASCII; drops a dangling lead byte.
Text ToHalfWidth(TextView t);
// The decimal integer at the start of t, full-width digits included, wrapping in 32 bits.
std::int32_t ToInteger(TextView t);
// x truncated toward zero, as the low 32 bits of the whole value.
std::int32_t TruncateToInteger(double x);

}  // namespace quillora
