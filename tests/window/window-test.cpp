// The real MainWindow, driven by messages and synthetic keys (run under Wine on Linux).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "cp936.h"
#include "link-label.h"
#include "main-window.h"
#include "ui/control-table.h"

namespace quillora::win32 {
namespace {

using ui::Entry;
using ui::Kind;

// Texts in UTF-16, as the window system holds them.
const std::wstring k一二三四五六七 = L"\u4E00\u4E8C\u4E09\u56DB\u4E94\u516D\u4E03";

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    ASSERT_TRUE(window_->Create(GetModuleHandleW(nullptr)));
    window_->platform().open_address = [this](const std::wstring& a) { opened_.push_back(a); };
    window_->Show();
    Pump();
  }
  void TearDown() override {
    window_.reset();
    Pump();
  }

  HWND W() const { return window_->handle(); }
  HWND C(Control c) const { return window_->control(c); }

  // Handles every message waiting, as the message loop would.
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (window_ && window_->PreTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  // A key pressed on the control that has the focus, with Shift held or not.
  void Press(WPARAM key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND target = GetFocus() ? GetFocus() : W();
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }

  void Click(Control c) {
    SendMessageW(C(c), BM_CLICK, 0, 0);
    Pump();
  }

  std::wstring Text(Control c) {
    std::wstring s(GetWindowTextLengthW(C(c)) + 1, L'\0');
    s.resize(GetWindowTextW(C(c), s.data(), static_cast<int>(s.size())));
    return s;
  }
  void SetText(Control c, const std::wstring& s) { SetWindowTextW(C(c), s.c_str()); }
  bool Checked(Control c) { return SendMessageW(C(c), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  const char* Name(HWND h) {
    for (const ui::ControlSpec& s : ui::kControls) {
      if (C(s.id) == h) return s.name.data();
    }
    return "(none)";
  }
  RECT Outer() {
    RECT rc;
    GetWindowRect(W(), &rc);
    return rc;
  }

  std::unique_ptr<MainWindow> window_;
  std::vector<std::wstring> opened_;
};

TEST_F(WindowTest, TheWindowItself) {
  wchar_t title[64];
  GetWindowTextW(W(), title, 64);
  EXPECT_STREQ(title, L"Quillora v1.01");
  const RECT rc = Outer();
  EXPECT_EQ(rc.right - rc.left, 440);
  EXPECT_EQ(rc.bottom - rc.top, 305);
  EXPECT_EQ(rc.left, (GetSystemMetrics(SM_CXSCREEN) - 440) / 2);
  EXPECT_EQ(rc.top, (GetSystemMetrics(SM_CYSCREEN) - 305) / 2);
  const LONG_PTR style = GetWindowLongPtrW(W(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(W(), GW_OWNER), nullptr);
  EXPECT_FALSE(GetWindowLongPtrW(W(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NE(FindResourceW(nullptr, L"DEFAULT_ICON", RT_GROUP_ICON), nullptr);
  EXPECT_NE(GetClassLongPtrW(W(), GCLP_HICON), 0u);
  EXPECT_NE(GetClassLongPtrW(W(), GCLP_HICONSM), 0u);
  EXPECT_EQ(GetFocus(), C(Control::编辑框1));
}

TEST_F(WindowTest, EveryControlAsTheTableSays) {
  for (const ui::ControlSpec& entry : ui::kControls) {
    SCOPED_TRACE(entry.name.data());
    HWND h = C(entry.id);
    ASSERT_NE(h, nullptr);
    HWND parent = entry.in_panel ? C(Control::分组框1) : W();
    EXPECT_EQ(GetParent(h), parent);
    RECT rc;
    GetWindowRect(h, &rc);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, entry.left);
    EXPECT_EQ(rc.top, entry.top);
    EXPECT_EQ(rc.right - rc.left, entry.width);
    EXPECT_EQ(rc.bottom - rc.top, entry.height);
    EXPECT_EQ(Text(entry.id), ToWide(entry.caption));
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_TRUE(IsWindowEnabled(h));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)),
              static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, entry.tab != 0);
    wchar_t cls[64];
    GetClassNameW(h, cls, 64);
    switch (entry.kind) {
      case Kind::kMultiLineEdit:
        EXPECT_STREQ(cls, L"Edit");
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_WANTRETURN);
        EXPECT_TRUE(style & WS_HSCROLL);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_TRUE(ex & WS_EX_CLIENTEDGE);
        EXPECT_GE(static_cast<DWORD>(SendMessageW(h, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
        break;
      case Kind::kSingleLineEdit:
        EXPECT_STREQ(cls, L"Edit");
        EXPECT_FALSE(style & (ES_MULTILINE | WS_HSCROLL | WS_VSCROLL | ES_READONLY | ES_PASSWORD));
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_TRUE(ex & WS_EX_CLIENTEDGE);
        EXPECT_GE(static_cast<DWORD>(SendMessageW(h, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
        break;
      case Kind::kLabel:
        EXPECT_STREQ(cls, L"Static");
        break;
      case Kind::kButton:
        EXPECT_STREQ(cls, L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // never a default button
        break;
      case Kind::kCheckBox:
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(Checked(entry.id), entry.checked);
        break;
      case Kind::kRadioButton:
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        EXPECT_EQ(Checked(entry.id), entry.checked);
        break;
      case Kind::kGroupBox:
        EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
        break;
      case Kind::kLinkLabel:
        EXPECT_STREQ(cls, kLinkLabelClass);
        EXPECT_EQ(GetClassLongPtrW(h, GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
        EXPECT_FALSE(IsLinkLabelHot(h));
        break;
    }
  }
}

TEST_F(WindowTest, ThePanelIsOutOfSightUntilWidened) {
  RECT client;
  GetClientRect(W(), &client);
  EXPECT_LE(client.right, Entry(Control::分组框1).left);
  EXPECT_LE(client.right, Entry(Control::按钮1).left);

  const RECT before = Outer();
  Click(Control::按钮4);
  RECT rc = Outer();
  EXPECT_EQ(rc.right - rc.left, 540);
  EXPECT_EQ(rc.bottom - rc.top, 305);
  EXPECT_EQ(rc.left, before.left);
  EXPECT_EQ(rc.top, before.top);
  GetClientRect(W(), &client);
  EXPECT_GE(client.right, Entry(Control::分组框1).left + Entry(Control::分组框1).width);
  EXPECT_GE(client.right, Entry(Control::按钮1).left + Entry(Control::按钮1).width);

  Click(Control::按钮1);
  rc = Outer();
  EXPECT_EQ(rc.right - rc.left, 438);
  EXPECT_EQ(rc.bottom - rc.top, 305);
  EXPECT_EQ(rc.left, before.left);
  GetClientRect(W(), &client);
  EXPECT_LE(client.right, Entry(Control::分组框1).left);
}

TEST_F(WindowTest, TabVisitsTheTabStopsInOrderAndWraps) {
  std::vector<Control> order;
  for (const ui::ControlSpec& s : ui::kControls) {
    if (s.tab) order.push_back(s.id);
  }
  ASSERT_EQ(GetFocus(), C(Control::编辑框1));
  for (std::size_t i = 1; i <= order.size(); ++i) {
    Press(VK_TAB);
    EXPECT_EQ(Name(GetFocus()), Name(C(order[i % order.size()]))) << "after " << i << " Tabs";
  }
  for (std::size_t i = order.size(); i-- > 0;) {
    Press(VK_TAB, true);
    EXPECT_EQ(Name(GetFocus()), Name(C(order[i]))) << "Shift+Tab back to " << i;
  }
  // Tab never types into the multi-line boxes.
  EXPECT_EQ(Text(Control::编辑框1), L"");
  EXPECT_EQ(Text(Control::编辑框2), L"");
}

TEST_F(WindowTest, TabbingOntoARadioButtonChangesNothingButTheCustomBoxSelects) {
  SetFocus(C(Control::按钮4));
  Press(VK_TAB);  // 单选框1
  Press(VK_TAB);  // 单选框2
  EXPECT_EQ(GetFocus(), C(Control::单选框2));
  EXPECT_TRUE(Checked(Control::单选框1));
  EXPECT_FALSE(Checked(Control::单选框2));
  Press(VK_TAB);  // 单选框3
  Press(VK_TAB);  // 编辑框4: got focus selects the custom marker
  EXPECT_EQ(GetFocus(), C(Control::编辑框4));
  EXPECT_FALSE(Checked(Control::单选框1));
  EXPECT_FALSE(Checked(Control::单选框2));
  EXPECT_TRUE(Checked(Control::单选框3));
}

TEST_F(WindowTest, ArrowKeysMoveAmongTheRadioButtons) {
  SetFocus(C(Control::单选框3));
  Pump();
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), C(Control::单选框1));
  EXPECT_TRUE(Checked(Control::单选框1));
  EXPECT_FALSE(Checked(Control::单选框3));
  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), C(Control::单选框3));
  EXPECT_TRUE(Checked(Control::单选框3));
  EXPECT_FALSE(Checked(Control::单选框1));
  EXPECT_FALSE(Checked(Control::单选框2));
  Press(VK_UP);
  EXPECT_EQ(GetFocus(), C(Control::单选框2));
  EXPECT_TRUE(Checked(Control::单选框2));
}

TEST_F(WindowTest, EnterEscAndF1DoNothingTheyShouldNot) {
  SetFocus(C(Control::编辑框3));
  Pump();
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  Press(VK_F1);
  EXPECT_TRUE(IsWindow(W()));
  EXPECT_EQ(GetFocus(), C(Control::编辑框3));
  EXPECT_EQ(Text(Control::编辑框3), L"5");
  SetFocus(C(Control::转换));
  Press(VK_RETURN);
  EXPECT_EQ(Text(Control::编辑框2), L"");  // Enter presses no button
}

TEST_F(WindowTest, FocusComesBackOnReactivation) {
  SetFocus(C(Control::编辑框3));
  SendMessageW(W(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(nullptr);
  SendMessageW(W(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), C(Control::编辑框3));
}

TEST_F(WindowTest, PasteGenerateAndCopyThroughTheClipboard) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (k一二三四五六七.size() + 1) * 2);
  memcpy(GlobalLock(block), k一二三四五六七.c_str(), (k一二三四五六七.size() + 1) * 2);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();

  Click(Control::按钮2);
  EXPECT_EQ(Text(Control::编辑框1), k一二三四五六七);
  Click(Control::斜字);
  Click(Control::按钮3);
  const std::wstring staircase =
      L"\u4E00\r\n  \u4E8C\r\n    \u4E09\r\n      \u56DB\r\n        \u4E94\r\n"
      L"          \u516D\r\n            \u4E03";
  EXPECT_EQ(Text(Control::编辑框2), staircase);
  ASSERT_TRUE(OpenClipboard(nullptr));
  std::wstring got;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    got = static_cast<const wchar_t*>(GlobalLock(h));
    GlobalUnlock(h);
  }
  const bool ansi_offered = IsClipboardFormatAvailable(CF_TEXT);
  CloseClipboard();
  EXPECT_EQ(got, staircase);
  EXPECT_TRUE(ansi_offered);

  // An empty output box leaves an empty text, and pasting that empties the input box.
  SetText(Control::编辑框2, L"");
  Click(Control::按钮3);
  Click(Control::按钮2);
  EXPECT_EQ(Text(Control::编辑框1), L"");
}

TEST_F(WindowTest, TheClassicalLayoutButton) {
  SetText(Control::编辑框1, k一二三四五六七);
  SetText(Control::编辑框3, L"3");
  Click(Control::选择框3);  // traditional off
  Click(Control::转换);
  EXPECT_EQ(Text(Control::编辑框2), L"\u4E03\u56DB\u4E00\r\n  \u4E94\u4E8C\r\n  \u516D\u4E09\r\n");
  SetText(Control::编辑框3, L"0");
  SetText(Control::编辑框2, L"keep");
  Click(Control::转换);
  EXPECT_EQ(Text(Control::编辑框2), L"keep");
  EXPECT_EQ(Text(Control::编辑框1), k一二三四五六七);
}

TEST_F(WindowTest, TheLinkLabelDecoratesOncePerPress) {
  HWND label = C(Control::美化);
  SetText(Control::编辑框2, L"\u4E2D\u6587");  // 中文
  PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageW(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(Text(Control::编辑框2), L"\u2191\u4E2D\u2191\u6587\u2191\r\n");
  EXPECT_TRUE(opened_.empty());

  SendMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(IsLinkLabelHot(label));
  SendMessageW(label, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(IsLinkLabelHot(label));
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(label, GCLP_HCURSOR)),
            LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(WindowTest, TheCustomMarker) {
  SetFocus(C(Control::编辑框4));
  Pump();
  EXPECT_TRUE(Checked(Control::单选框3));
  EXPECT_FALSE(Checked(Control::单选框1));
  SetText(Control::编辑框4, L"<>");
  SetText(Control::编辑框2, L"\u4E2D");
  PostMessageW(C(Control::美化), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  Pump();
  EXPECT_EQ(Text(Control::编辑框2), L"<>\u4E2D<>\r\n");
  Click(Control::单选框2);
  EXPECT_TRUE(Checked(Control::单选框2));
  EXPECT_FALSE(Checked(Control::单选框3));
  EXPECT_EQ(Text(Control::编辑框4), L"<>");
  Click(Control::单选框3);
  EXPECT_TRUE(IsWindowEnabled(C(Control::编辑框4)));
}

// Puts a Unicode text on the clipboard, as another program would.
void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
  memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * 2);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

TEST_F(WindowTest, BadInputLeavesTheOutputAsItWas) {
  // A character outside GBK arrives as the code page's default character; nothing breaks.
  PutOnClipboard(L"\u4E2D\U0001F600\u6587");
  Click(Control::按钮2);
  EXPECT_EQ(Text(Control::编辑框1).substr(0, 1), L"\u4E2D");
  EXPECT_EQ(Text(Control::编辑框1).back(), L'\u6587');
  Click(Control::斜字);
  EXPECT_FALSE(Text(Control::编辑框2).empty());

  for (const wchar_t* count : {L"-5", L"99999999999", L"0", L"abc", L""}) {
    SetText(Control::编辑框3, count);
    SetText(Control::编辑框2, L"keep");
    Click(Control::转换);
    EXPECT_EQ(Text(Control::编辑框2), L"keep");
  }

  // A lone CR in the output box is a line of one byte: its cell count is 0.
  SetText(Control::编辑框2, L"\r");
  PostMessageW(C(Control::美化), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  Pump();
  EXPECT_EQ(Text(Control::编辑框2), L"\u2191\r\n");
}

TEST_F(WindowTest, AMegabytePaste) {
  std::wstring big;
  for (int i = 0; i < 512 * 1024; ++i) big += static_cast<wchar_t>(0x4E00 + i % 200);
  PutOnClipboard(big);
  Click(Control::按钮2);
  EXPECT_EQ(Text(Control::编辑框1).size(), big.size());
  SetText(Control::编辑框2, L"keep");
  Click(Control::斜字);  // 512 Ki cells: a staircase far past the length limit
  EXPECT_EQ(Text(Control::编辑框2), L"keep");
  SetText(Control::编辑框3, L"1000");
  Click(Control::选择框3);  // traditional off: the text comes back whole, column by column
  Click(Control::转换);
  const std::wstring out = Text(Control::编辑框2);
  // 1 MiB in columns of 2000 bytes: 525 columns, the last one holding 288 characters; a row is its
  // characters, blank cells of two spaces, and CR LF.
  EXPECT_EQ(out.size(), 288u * (525 + 2) + 712u * (2 + 524 + 2));
  EXPECT_EQ(out.substr(out.size() - 2), L"\r\n");
  EXPECT_EQ(out.substr(out.size() - 3, 1),
            std::wstring(1, big[999]));  // row 1000 ends in cell 1000
}

TEST_F(WindowTest, ClosingEndsTheMessageLoopWithExitCodeZero) {
  PostMessageW(W(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window_->RunMessageLoop(), 0);
  EXPECT_EQ(window_->handle(), nullptr);
}

TEST_F(WindowTest, TheMakersSiteGoesToTheShell) {
  Click(Control::按钮5);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], L"navorin.example");
}

}  // namespace
}  // namespace quillora::win32
