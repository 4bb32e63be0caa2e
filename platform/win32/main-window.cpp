#include "main-window.h"

#include <shellapi.h>

#include <algorithm>

#include "clipboard.h"
#include "cp936.h"
#include "link-label.h"
#include "ui/commands.h"

namespace quillora::win32 {

namespace {

using ui::ControlSpec;
using ui::Kind;

constexpr wchar_t kWindowClass[] = L"QuilloraMainWindow";
constexpr int kFirstControlId = 100;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr Control kRadios[] = {Control::单选框1, Control::单选框2, Control::单选框3};

struct ClassAndStyle {
  const wchar_t* cls;
  DWORD style;
  DWORD ex_style;
};

ClassAndStyle ClassFor(const ControlSpec& entry) {
  constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL;
  switch (entry.kind) {
    case Kind::kMultiLineEdit:
      return {L"EDIT",
              kEdit | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL,
              WS_EX_CLIENTEDGE};
    case Kind::kSingleLineEdit:
      return {L"EDIT", kEdit | (entry.id == Control::编辑框4 ? WS_GROUP : 0), WS_EX_CLIENTEDGE};
    case Kind::kLabel:
      return {L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case Kind::kButton:
      return {L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
    case Kind::kCheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER, 0};
    case Kind::kRadioButton:
      // The three form one group: the first starts it and 编辑框4 after them ends it.
      return {L"BUTTON",
              static_cast<DWORD>(BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER |
                                 (entry.id == Control::单选框1 ? WS_GROUP : 0)),
              0};
    case Kind::kGroupBox:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case Kind::kLinkLabel:
      return {kLinkLabelClass, 0, 0};
  }
  return {L"STATIC", 0, 0};
}

bool IsUsableTabStop(HWND hwnd) { return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

}  // namespace

// ---- Win32Platform ------------------------------------------------------------------------

Text Win32Platform::ReadText(Control c) {
  HWND h = window_.control(c);
  const int length = GetWindowTextLengthW(h);
  if (length <= 0) return Text();
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(GetWindowTextW(h, wide.data(), length + 1)));
  return FromWide(wide);
}

void Win32Platform::WriteText(Control c, TextView text) {
  SetWindowTextW(window_.control(c), ToWide(text).c_str());
}

bool Win32Platform::IsChecked(Control c) {
  return SendMessageW(window_.control(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Platform::SetChecked(Control c, bool checked) {
  SendMessageW(window_.control(c), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Platform::SetEnabled(Control c, bool enabled) {
  EnableWindow(window_.control(c), enabled);
}

void Win32Platform::SetWindowWidth(int width) {
  RECT rc;
  GetWindowRect(window_.handle(), &rc);
  SetWindowPos(window_.handle(), nullptr, 0, 0, std::clamp(width, 0, ui::kMaxWindowWidth),
               rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Text Win32Platform::ReadClipboard() { return ReadClipboardText(); }

bool Win32Platform::WriteClipboard(TextView text) { return WriteClipboardText(text); }

void Win32Platform::OpenAddress(TextView address) {
  const std::wstring wide = ToWide(address);
  if (open_address) {
    open_address(wide);
  } else {
    ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

// ---- MainWindow ---------------------------------------------------------------------------

MainWindow::MainWindow() : platform_(*this) {}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (icon_) DestroyIcon(icon_);
  if (small_icon_) DestroyIcon(small_icon_);
}

bool MainWindow::Create(HINSTANCE instance) {
  instance_ = instance;
  icon_ =
      static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  small_icon_ = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0));
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = icon_;
  wc.hIconSm = small_icon_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  if (!RegisterLinkLabel(instance)) return false;

  const int left = ui::CentredLeft(GetSystemMetrics(SM_CXSCREEN));
  const int top = ui::CentredTop(GetSystemMetrics(SM_CYSCREEN));
  CreateWindowExW(0, kWindowClass, ToWide(ui::kWindowTitle).c_str(), kWindowStyle, left, top,
                  ui::kWindowWidth, ui::kWindowHeight, nullptr, nullptr, instance, this);
  return hwnd_ != nullptr;
}

void MainWindow::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  SetForegroundWindow(hwnd_);
  if (!GetFocus() || !IsChild(hwnd_, GetFocus())) FocusFirstTabStop();
}

int MainWindow::RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    case kLinkPressed: {
      if (const auto c = FindControl(reinterpret_cast<HWND>(lp)))
        Fire(*c, ui::Event::kLeftButtonDown);
      return 0;
    }
    case WM_ACTIVATE:
      OnActivate(LOWORD(wp) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      OnActivate(true);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_HELP:
      return TRUE;  // F1 opens no help
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

bool MainWindow::OnCreate() {
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& entry : ui::kControls) {
    if (!CreateControl(entry)) return false;
  }
  return true;
}

bool MainWindow::CreateControl(const ControlSpec& entry) {
  const ClassAndStyle cs = ClassFor(entry);
  HWND parent = entry.in_panel ? control(Control::分组框1) : hwnd_;
  const DWORD tab_stop = entry.tab != 0 ? WS_TABSTOP : 0;
  const int id = kFirstControlId + static_cast<int>(entry.id);
  HWND h = CreateWindowExW(cs.ex_style, cs.cls, ToWide(entry.caption).c_str(),
                           WS_CHILD | WS_VISIBLE | tab_stop | cs.style, entry.left, entry.top,
                           entry.width, entry.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (!h) return false;
  controls_[static_cast<int>(entry.id)] = h;
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (entry.kind == Kind::kMultiLineEdit || entry.kind == Kind::kSingleLineEdit) {
    SendMessageW(h, EM_SETLIMITTEXT, 0, 0);  // 0: the system's maximum
  }
  if (entry.checked) SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
  if (entry.kind == Kind::kGroupBox) {
    // The panel's children report to the group box; it passes their messages on to the window.
    panel_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProc)));
  }
  return true;
}

LRESULT CALLBACK MainWindow::PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  HWND window = GetParent(hwnd);
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return SendMessageW(window, msg, wp, lp);
    case WM_ERASEBKGND: {
      // A group box draws only its frame; the window's background must show inside it.
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return CallWindowProcW(self->panel_proc_, hwnd, msg, wp, lp);
  }
}

std::optional<Control> MainWindow::FindControl(HWND hwnd) const {
  for (int i = 0; i < ui::kControlCount; ++i) {
    if (controls_[i] && controls_[i] == hwnd) return static_cast<Control>(i);
  }
  return std::nullopt;
}

void MainWindow::OnCommand(int id, int code) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= ui::kControlCount) return;
  const Control c = static_cast<Control>(index);
  if (code == BN_CLICKED) Fire(c, ui::Event::kClicked);
  if (code == EN_SETFOCUS) Fire(c, ui::Event::kGotFocus);
}

void MainWindow::Fire(Control c, ui::Event event) { ui::OnEvent(c, event, platform_); }

void MainWindow::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) last_focus_ = focus;
    return;
  }
  if (last_focus_ && IsWindow(last_focus_) && IsUsableTabStop(last_focus_)) {
    SetFocus(last_focus_);
  } else {
    FocusFirstTabStop();
  }
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::FocusFirstTabStop() { FocusNextTabStop(nullptr, false); }

void MainWindow::FocusNextTabStop(HWND from, bool backwards) {
  std::array<HWND, ui::kControlCount> stops{};
  int count = 0, at = -1;
  for (const ControlSpec& entry : ui::kControls) {
    if (entry.tab == 0) continue;
    if (control(entry.id) == from) at = count;
    stops[count++] = control(entry.id);
  }
  if (at < 0) at = backwards ? 0 : count - 1;  // so that the first step lands on an end
  for (int step = 1; step <= count; ++step) {
    const int i = ((at + (backwards ? -step : step)) % count + count) % count;
    if (IsUsableTabStop(stops[i])) {
      SetFocus(stops[i]);
      return;
    }
  }
}

void MainWindow::MoveAmongRadios(Control from, bool backwards) {
  int at = 0;
  for (int i = 0; i < 3; ++i) {
    if (kRadios[i] == from) at = i;
  }
  const Control to = kRadios[(at + (backwards ? 2 : 1)) % 3];
  for (Control r : kRadios) platform_.SetChecked(r, r == to);
  SetFocus(control(to));
  Fire(to, ui::Event::kClicked);
}

bool MainWindow::PreTranslate(const MSG& msg) {
  if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
  const std::optional<Control> focus = FindControl(GetFocus());
  const Kind kind = focus ? ui::Entry(*focus).kind : Kind::kLabel;
  const bool multi_line = kind == Kind::kMultiLineEdit;
  if (msg.message == WM_CHAR) {
    // Characters the keys below stand for, should one arrive without its key.
    return msg.wParam == L'\t' || msg.wParam == 0x1B || (msg.wParam == L'\r' && !multi_line);
  }
  switch (msg.wParam) {
    case VK_TAB:
      FocusNextTabStop(GetFocus(), GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (kind != Kind::kRadioButton) return false;
      MoveAmongRadios(*focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      return true;
    case VK_RETURN:
      return !multi_line;  // Enter inserts a line break in the multi-line boxes only
    case VK_ESCAPE:
    case VK_F1:
      return true;
    default:
      return false;
  }
}

}  // namespace quillora::win32
