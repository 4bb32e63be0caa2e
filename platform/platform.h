// The seam between the commands and the outside: the operations on controls, the clipboard and
// the shell's open action. Texts cross it as code page 936 bytes.
#pragma once

#include "quillora/text.h"
#include "ui/control-table.h"

namespace quillora::platform {

using ui::Control;

class Platform {
 public:
  virtual ~Platform() = default;

  // An edit box's whole content, lines separated by "\r\n"; empty for an empty box.
  virtual Text ReadText(Control c) = 0;
  // Replaces the whole content.
  virtual void WriteText(Control c, TextView text) = 0;
  virtual bool IsChecked(Control c) = 0;
  // Sets this one button's state: no other radio button changes and no event is raised.
  virtual void SetChecked(Control c, bool checked) = 0;
  virtual void SetEnabled(Control c, bool enabled) = 0;
  // The window's outer width, clamped to 0..32627; height and top-left corner stay.
  virtual void SetWindowWidth(int width) = 0;

  // The clipboard's text, or the empty text when it is busy or holds none.
  virtual Text ReadClipboard() = 0;
  // Places the text on the clipboard; false when the clipboard is busy or memory runs out.
  virtual bool WriteClipboard(TextView text) = 0;
  // Hands an address to the shell's "open" action; the outcome is not reported.
  virtual void OpenAddress(TextView address) = 0;
};

}  // namespace quillora::platform
