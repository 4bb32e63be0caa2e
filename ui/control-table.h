// The main window as data: every control with its place, caption, tab order, initial state and
// the command its event runs. The window is built from this table and nothing else.
#pragma once

#include <array>
#include <string_view>

namespace quillora::ui {

// The controls, in the order in which they are created (also their tab order).
// clang-format off
enum class Control : int {
  编辑框1, 标签1, 编辑框3, 标签2, 转换, 编辑框2, 标签3, 按钮2, 按钮3, 选择框1, 选择框2,
  按钮4, 分组框1, 单选框1, 单选框2, 单选框3, 编辑框4, 美化, 按钮1, 斜字, 选择框3, 按钮5,
};
// clang-format on
inline constexpr int kControlCount = 22;

enum class Kind {
  kMultiLineEdit,
  kSingleLineEdit,
  kLabel,
  kButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kLinkLabel,
};

enum class Event { kNone, kClicked, kGotFocus, kLeftButtonDown };

enum class Command {
  kNone,
  kClassical,  // 转换: the classical layout
  kSlanted,    // 斜字: the slanted text
  kDecorate,   // 美化: the marker decoration
  kPaste,
  kCopy,
  kWiden,
  kNarrow,
  kOpenSite,
  kSelectCustomMarker,
  kEnableCustomMarker,
};

struct ControlSpec {
  Control id;
  std::string_view name;  // UTF-8, for messages
  Kind kind;
  bool in_panel;  // a child of 分组框1, placed relative to it
  int left, top, width, height;
  std::string_view caption;  // code page 936
  int tab;                   // position in the tab order, 0 for no tab stop
  bool checked;
  Event event;
  Command command;
};

// clang-format off
inline constexpr std::array<ControlSpec, kControlCount> kControls = {{
  {Control::编辑框1, "编辑框1", Kind::kMultiLineEdit, false, 14, 33, 151, 199, "", 1, false, Event::kNone, Command::kNone},
  {Control::标签1, "标签1", Kind::kLabel, false, 18, 6, 96, 24,
   "\xD2\xAA\xD7\xAA\xBB\xBB\xCE\xC4\xB1\xBE\xA3\xBA", 0, false, Event::kNone, Command::kNone},  // 要转换文本：
  {Control::编辑框3, "编辑框3", Kind::kSingleLineEdit, false, 184, 206, 64, 24, "5", 2, false, Event::kNone, Command::kNone},
  {Control::标签2, "标签2", Kind::kLabel, false, 183, 178, 56, 16,
   "\xC3\xBF\xC1\xD0\xD7\xD6\xCA\xFD\xA3\xBA", 0, false, Event::kNone, Command::kNone},  // 每列字数：
  {Control::转换, "转换", Kind::kButton, false, 181, 36, 64, 28,
   "\xB9\xC5\xCE\xC4\xD7\xAA\xBB\xBB", 3, false, Event::kClicked, Command::kClassical},  // 古文转换
  {Control::编辑框2, "编辑框2", Kind::kMultiLineEdit, false, 264, 33, 155, 199, "", 4, false, Event::kNone, Command::kNone},
  {Control::标签3, "标签3", Kind::kLabel, false, 260, 9, 96, 24,
   "\xD7\xAA\xBB\xBB\xBA\xF3\xCE\xC4\xB1\xBE\xA3\xBA", 0, false, Event::kNone, Command::kNone},  // 转换后文本：
  {Control::按钮2, "按钮2", Kind::kButton, false, 23, 241, 113, 24,
   "\xD5\xB3\xCC\xF9\xB5\xBD\xC9\xCF", 5, false, Event::kClicked, Command::kPaste},  // 粘贴到上
  {Control::按钮3, "按钮3", Kind::kButton, false, 280, 241, 118, 24,
   "\xB8\xB4\xD6\xC6\xD2\xD4\xC9\xCF", 6, false, Event::kClicked, Command::kCopy},  // 复制以上
  {Control::选择框1, "选择框1", Kind::kCheckBox, false, 181, 104, 72, 24,
   "\xC8\xA5\xB3\xFD\xBF\xD5\xB8\xF1", 7, false, Event::kNone, Command::kNone},  // 去除空格
  {Control::选择框2, "选择框2", Kind::kCheckBox, false, 180, 158, 72, 16,
   "\xC8\xAB\xBD\xC7", 8, true, Event::kNone, Command::kNone},  // 全角
  {Control::按钮4, "按钮4", Kind::kButton, false, 406, 241, 24, 24,
   "\xD1\xA1", 9, false, Event::kClicked, Command::kWiden},  // 选
  {Control::分组框1, "分组框1", Kind::kGroupBox, false, 436, 13, 80, 220, "", 0, false, Event::kNone, Command::kNone},
  {Control::单选框1, "单选框1", Kind::kRadioButton, true, 11, 61, 56, 24,
   "\xA1\xFC\xD0\xCD", 10, true, Event::kNone, Command::kNone},  // ↑型
  {Control::单选框2, "单选框2", Kind::kRadioButton, true, 11, 104, 56, 16,
   "\xA1\xE8\xD0\xCD", 11, false, Event::kNone, Command::kNone},  // ¤型
  {Control::单选框3, "单选框3", Kind::kRadioButton, true, 11, 146, 56, 16,
   "\xD7\xD4\xB6\xA8\xD2\xE5", 12, false, Event::kClicked, Command::kEnableCustomMarker},  // 自定义
  {Control::编辑框4, "编辑框4", Kind::kSingleLineEdit, true, 11, 177, 56, 24, "", 13, false,
   Event::kGotFocus, Command::kSelectCustomMarker},
  {Control::美化, "美化", Kind::kLinkLabel, true, 16, 27, 48, 16,
   "\xB9\xD9\xCD\xF8\xD6\xF7\xD2\xB3", 0, false, Event::kLeftButtonDown, Command::kDecorate},  // 官网主页
  {Control::按钮1, "按钮1", Kind::kButton, false, 435, 241, 24, 24,
   "\xCB\xF5", 14, false, Event::kClicked, Command::kNarrow},  // 缩
  {Control::斜字, "斜字", Kind::kButton, false, 181, 71, 64, 24,
   "\xC9\xFA\xB3\xC9\xD0\xB1\xD7\xD6", 15, false, Event::kClicked, Command::kSlanted},  // 生成斜字
  {Control::选择框3, "选择框3", Kind::kCheckBox, false, 181, 129, 64, 24,
   "\xB7\xB1\xCC\xE5", 16, true, Event::kNone, Command::kNone},  // 繁体
  {Control::按钮5, "按钮5", Kind::kButton, false, 176, 247, 80, 24, "Navorin", 17, false,
   Event::kClicked, Command::kOpenSite},
}};
// clang-format on

constexpr const ControlSpec& Entry(Control c) { return kControls[static_cast<int>(c)]; }

// The window.
inline constexpr std::string_view kWindowTitle = "Quillora v1.01";
inline constexpr int kWindowWidth = 440;  // outer size
inline constexpr int kWindowHeight = 305;
inline constexpr int kWideWidth = 540;    // shows the marker panel
inline constexpr int kNarrowWidth = 438;  // hides it again
inline constexpr int kMaxWindowWidth = 32627;

// The maker's web site, handed to the shell as it stands, without a scheme.
inline constexpr std::string_view kMakerAddress = "navorin.example";

// Left and top of the window centred on a screen of the given size.
constexpr int CentredLeft(int screen_width) { return (screen_width - kWindowWidth) / 2; }
constexpr int CentredTop(int screen_height) { return (screen_height - kWindowHeight) / 2; }

}  // namespace quillora::ui
