// UTF-8 and code page 936 at the command's edges.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillora::cli {

// Turns UTF-8 input into GBK bytes: a leading BOM is dropped, LF and CRLF line ends both become
// "\r\n". On failure returns false with a one-line reason in `error` (invalid UTF-8 with its
// byte offset, or a character with no GBK form with its code point, line and column).
bool Utf8ToGbk(std::string_view utf8, std::string& gbk, std::string& error);

// Turns GBK bytes into UTF-8; "\r\n" becomes `line_end`. Bytes that are not valid GBK come out as
// U+FFFD; returns how many bytes were replaced so.
std::size_t GbkToUtf8(std::string_view gbk, std::string_view line_end, std::string& utf8);

// The byte offset of the first zero byte, or npos.
std::size_t FindZeroByte(std::string_view bytes);

}  // namespace quillora::cli
