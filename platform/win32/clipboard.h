// The clipboard as plain text, exchanged as Unicode and converted with code page 936.
#pragma once

#include "quillora/text.h"

namespace quillora::win32 {

// The clipboard's text (CF_UNICODETEXT, else CF_TEXT); empty when it is busy or holds none.
Text ReadClipboardText();
// Empties the clipboard and places the text as CF_UNICODETEXT (the system offers CF_TEXT from it
// to other programs). False when the clipboard is busy or memory runs out.
bool WriteClipboardText(TextView text);

}  // namespace quillora::win32
