// The command's edges: UTF-8 in, GBK through, UTF-8 out. Valid UTF-8 that converts comes back as
// it went in (less a BOM, CR LF as LF); whatever the bytes, decoding never fails silently and
// the output of the GBK side is valid UTF-8.
#include "encoding.h"
#include "fuzz-support.h"

using namespace quillora;

namespace {

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

std::string CrLfToLf(std::string s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
    r += s[i];
  }
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string gbk, error, back;
  if (cli::Utf8ToGbk(bytes, gbk, error)) {
    LAW(error.empty(), "input", bytes);
    LAW((cli::FindZeroByte(gbk) == std::string::npos) ==
            (cli::FindZeroByte(bytes) == std::string::npos),
        "input", bytes);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      if (gbk[i] == '\n') LAW(i > 0 && gbk[i - 1] == '\r', "input", bytes, "gbk", gbk);
    }
    LAW(cli::GbkToUtf8(gbk, "\n", back) == 0, "input", bytes, "gbk", gbk);
    std::string expected = bytes.substr(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0);
    LAW(back == CrLfToLf(expected), "input", bytes, "gbk", gbk, "back", back);
  } else {
    LAW(!error.empty(), "input", bytes);
  }
  // Any bytes as GBK: the UTF-8 that comes out is valid.
  back.clear();
  cli::GbkToUtf8(bytes, "\r\n", back);
  LAW(IsValidUtf8(back), "input", bytes, "out", back);
  return 0;
}
