#include "platform/memory/memory-platform.h"

#include <algorithm>

namespace quillora::platform {

MemoryPlatform::MemoryPlatform() : window_width(ui::kWindowWidth) {
  for (const ui::ControlSpec& entry : ui::kControls) {
    ControlState& s = state(entry.id);
    s.text = entry.caption;
    s.checked = entry.checked;
  }
}

void MemoryPlatform::WriteText(Control c, TextView text) {
  state(c).text = text;
  writes.push_back(c);
}

void MemoryPlatform::SetWindowWidth(int width) {
  window_width = std::clamp(width, 0, ui::kMaxWindowWidth);
}

Text MemoryPlatform::ReadClipboard() {
  if (clipboard_busy || !clipboard) return Text();
  return *clipboard;
}

bool MemoryPlatform::WriteClipboard(TextView text) {
  if (clipboard_busy) return false;
  clipboard = Text(text);
  return true;
}

}  // namespace quillora::platform
