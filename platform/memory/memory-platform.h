// Controls as plain state, and a clipboard and a shell that record what they are asked: the
// platform on which the commands are tested without a window system.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace quillora::platform {

class MemoryPlatform : public Platform {
 public:
  struct ControlState {
    Text text;
    bool checked = false;
    bool enabled = true;
  };

  // The window's start state, from the control table.
  MemoryPlatform();

  Text ReadText(Control c) override { return state(c).text; }
  void WriteText(Control c, TextView text) override;
  bool IsChecked(Control c) override { return state(c).checked; }
  void SetChecked(Control c, bool checked) override { state(c).checked = checked; }
  void SetEnabled(Control c, bool enabled) override { state(c).enabled = enabled; }
  void SetWindowWidth(int width) override;

  Text ReadClipboard() override;
  bool WriteClipboard(TextView text) override;
  void OpenAddress(TextView address) override { opened.emplace_back(address); }

  ControlState& state(Control c) { return controls_[static_cast<int>(c)]; }

  int window_width;
  // The clipboard's text; nullopt when it holds no text (an image, or nothing).
  std::optional<Text> clipboard;
  bool clipboard_busy = false;
  std::vector<Text> opened;
  std::vector<Control> writes;  // every control written, in order

 private:
  std::array<ControlState, ui::kControlCount> controls_;
};

}  // namespace quillora::platform
