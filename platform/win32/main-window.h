// MainWindow: the real window, built from the control table, and the platform operations on it.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "ui/control-table.h"

namespace quillora::win32 {

using ui::Control;

class MainWindow;

// The platform operations on the real controls, the clipboard and the shell.
class Win32Platform : public platform::Platform {
 public:
  explicit Win32Platform(MainWindow& window) : window_(window) {}

  Text ReadText(Control c) override;
  void WriteText(Control c, TextView text) override;
  bool IsChecked(Control c) override;
  void SetChecked(Control c, bool checked) override;
  void SetEnabled(Control c, bool enabled) override;
  void SetWindowWidth(int width) override;
  Text ReadClipboard() override;
  bool WriteClipboard(TextView text) override;
  void OpenAddress(TextView address) override;

  // How an address is opened; the shell's "open" action unless a test puts a recorder here.
  std::function<void(const std::wstring&)> open_address;

 private:
  MainWindow& window_;
};

class MainWindow {
 public:
  MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Creates the window hidden, centred on the primary screen, with all its controls.
  bool Create(HINSTANCE instance);
  // Shows the window and makes it the active window; the focus goes to 编辑框1.
  void Show();

  HWND handle() const { return hwnd_; }
  HWND control(Control c) const { return controls_[static_cast<int>(c)]; }
  Win32Platform& platform() { return platform_; }

  // The keyboard rules that come before a control sees a key: Tab and Shift+Tab, the arrow keys
  // among the radio buttons, and Enter, Esc and F1 where they must do nothing. True when the
  // message was handled here and must not be dispatched.
  bool PreTranslate(const MSG& msg);

  // Runs the message loop until the window is destroyed; returns the exit code.
  int RunMessageLoop();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool OnCreate();
  void OnCommand(int id, int code);
  void OnActivate(bool active);
  LRESULT OnControlColour(HDC dc, HWND control);

  bool CreateControl(const ui::ControlSpec& entry);
  std::optional<Control> FindControl(HWND hwnd) const;
  void Fire(Control c, ui::Event event);
  void FocusNextTabStop(HWND from, bool backwards);
  void FocusFirstTabStop();
  void MoveAmongRadios(Control from, bool backwards);

  HWND hwnd_ = nullptr;
  HINSTANCE instance_ = nullptr;
  std::array<HWND, ui::kControlCount> controls_{};
  HWND last_focus_ = nullptr;
  WNDPROC panel_proc_ = nullptr;
  HFONT font_ = nullptr;
  HICON icon_ = nullptr;
  HICON small_icon_ = nullptr;
  Win32Platform platform_;
};

}  // namespace quillora::win32
