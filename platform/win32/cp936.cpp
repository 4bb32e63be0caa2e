#include "cp936.h"

#include <windows.h>

#include <climits>

namespace quillora::win32 {

namespace {
constexpr UINT kCodePage = 936;
}

std::wstring ToWide(TextView gbk) {
  if (gbk.empty() || gbk.size() > INT_MAX) return std::wstring();
  const int size = static_cast<int>(gbk.size());
  const int n = MultiByteToWideChar(kCodePage, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(n > 0 ? n : 0, L'\0');
  if (n > 0) MultiByteToWideChar(kCodePage, 0, gbk.data(), size, wide.data(), n);
  return wide;
}

Text FromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return Text();
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(kCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  Text gbk(n > 0 ? n : 0, '\0');
  if (n > 0) WideCharToMultiByte(kCodePage, 0, wide.data(), size, gbk.data(), n, nullptr, nullptr);
  // A Text holds no zero byte: a pasted U+0000 ends the text, as a C string would.
  if (const auto zero = gbk.find('\0'); zero != Text::npos) gbk.resize(zero);
  return gbk;
}

}  // namespace quillora::win32
