#include "clipboard.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "cp936.h"

namespace quillora::win32 {

namespace {

// The clipboard, open for as long as this lives; opened without an owner window.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool ok() const { return open_; }

 private:
  bool open_;
};

// A global memory block locked for as long as this lives.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL block)
      : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~GlobalLockScope() {
    if (data_) GlobalUnlock(block_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* data() const { return data_; }
  std::size_t size() const { return data_ ? GlobalSize(block_) : 0; }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace

Text ReadClipboardText() {
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return Text();
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    GlobalLockScope lock(GetClipboardData(CF_UNICODETEXT));
    if (!lock.data()) return Text();
    const auto* wide = static_cast<const wchar_t*>(lock.data());
    return FromWide(std::wstring_view(wide, wcsnlen(wide, lock.size() / sizeof(wchar_t))));
  }
  GlobalLockScope lock(GetClipboardData(CF_TEXT));
  if (!lock.data()) return Text();
  const auto* bytes = static_cast<const char*>(lock.data());
  return Text(bytes, strnlen(bytes, lock.size()));
}

bool WriteClipboardText(TextView text) {
  OpenClipboardScope clipboard;
  if (!clipboard.ok()) return false;
  EmptyClipboard();
  const std::wstring wide = ToWide(text);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t));
  if (!block) return false;  // the clipboard is left empty
  {
    GlobalLockScope lock(block);
    if (!lock.data()) {
      GlobalFree(block);
      return false;
    }
    std::memcpy(lock.data(), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }
  if (!SetClipboardData(CF_UNICODETEXT, block)) {
    GlobalFree(block);
    return false;
  }
  return true;  // the system owns the block now
}

}  // namespace quillora::win32
