#include "link-label.h"

#include <string>

namespace quillora::win32 {

namespace {

// Window extra bytes: the font, then whether the pointer is over the label.
constexpr int kFontSlot = 0;
constexpr int kHotSlot = sizeof(LONG_PTR);

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring caption(length, L'\0');
  GetWindowTextW(hwnd, caption.data(), length + 1);
  HGDIOBJ old_font = nullptr;
  if (auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot))) {
    old_font = SelectObject(dc, font);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsLinkLabelHot(hwnd) ? kLinkHotColour : kLinkColour);
  DrawTextW(dc, caption.c_str(), length, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (old_font) SelectObject(dc, old_font);
  EndPaint(hwnd, &ps);
}

void SetHot(HWND hwnd, bool hot) {
  if (IsLinkLabelHot(hwnd) == hot) return;
  SetWindowLongPtrW(hwnd, kHotSlot, hot);
  if (hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK LinkLabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_SETFONT:
      SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wp));
      if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_MOUSEMOVE:
      SetHot(hwnd, true);
      return 0;
    case WM_MOUSELEAVE:
      SetHot(hwnd, false);
      return 0;
    case WM_LBUTTONDOWN:
      SendMessageW(GetAncestor(hwnd, GA_ROOT), kLinkPressed,
                   static_cast<WPARAM>(GetDlgCtrlID(hwnd)), reinterpret_cast<LPARAM>(hwnd));
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;  // the second press of a double click: nothing
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

bool IsLinkLabelHot(HWND label) { return GetWindowLongPtrW(label, kHotSlot) != 0; }

bool RegisterLinkLabel(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = LinkLabelProc;
  wc.cbWndExtra = 2 * sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
  wc.lpszClassName = kLinkLabelClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace quillora::win32
