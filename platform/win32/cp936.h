// Code page 936 at the window system's edge: texts cross to the wide APIs and back explicitly, so
// the program behaves the same whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

#include "quillora/text.h"

namespace quillora::win32 {

std::wstring ToWide(TextView gbk);
// Characters with no code page 936 form become the code page's default character.
Text FromWide(std::wstring_view wide);

}  // namespace quillora::win32
