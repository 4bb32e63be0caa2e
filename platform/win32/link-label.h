// The link label: a caption drawn by the program in blue, lighter under the pointer, with the
// hand cursor. A left-button press is reported to the top-level window as kLinkPressed; a double
// click's second press arrives as WM_LBUTTONDBLCLK and does nothing.
#pragma once

#include <windows.h>

namespace quillora::win32 {

inline constexpr wchar_t kLinkLabelClass[] = L"QuilloraLinkLabel";
// Sent to the top-level window: wParam is the label's control id.
inline constexpr UINT kLinkPressed = WM_APP + 1;
inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);
inline constexpr COLORREF kLinkHotColour = RGB(51, 153, 254);

bool RegisterLinkLabel(HINSTANCE instance);
// Whether the pointer is over the label (for tests).
bool IsLinkLabelHot(HWND label);

}  // namespace quillora::win32
