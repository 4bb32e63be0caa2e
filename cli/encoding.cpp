#include "encoding.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace quillora::cli {

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at s[i]; returns its code point and sets `len`, or kInvalid for an
// invalid, truncated, overlong or surrogate sequence.
char32_t DecodeUtf8(std::string_view s, std::size_t i, std::size_t& len) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char c = b(0);
  if (c < 0x80) return len = 1, c;
  std::size_t n;
  char32_t cp;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2, cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, cp = c & 0x07;
  } else {
    return kInvalid;
  }
  if (i + n > s.size()) return kInvalid;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return kInvalid;
    cp = (cp << 6) | (b(k) & 0x3F);
  }
  if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return kInvalid;
  if (cp >= 0xD800 && cp <= 0xDFFF) return kInvalid;
  len = n;
  return cp;
}

// The offset of the first byte that does not begin a valid UTF-8 sequence, or npos.
std::size_t FindInvalidUtf8(std::string_view in) {
  const auto* s = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t n = in.size();
  std::size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      std::uint64_t v;
      std::memcpy(&v, s + i, 8);
      if ((v & 0x8080808080808080ull) == 0) {
        i += 8;
        continue;
      }
    }
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    // The common case of Chinese text: a three-byte sequence outside the surrogates.
    if (s[i] >= 0xE1 && s[i] <= 0xEC && i + 3 <= n && (s[i + 1] & 0xC0) == 0x80 &&
        (s[i + 2] & 0xC0) == 0x80) {
      i += 3;
      continue;
    }
    std::size_t len = 0;
    if (DecodeUtf8(in, i, len) == kInvalid) return i;
    i += len;
  }
  return std::string_view::npos;
}

// Makes every bare LF of GBK text "\r\n", in place. No GBK trail byte is below 0x40, so every
// 0x0A and 0x0D byte is a character of its own.
void LineEndsToCrLf(std::string& gbk) {
  std::size_t bare = 0;
  for (std::size_t i = gbk.find('\n'); i != std::string::npos; i = gbk.find('\n', i + 1)) {
    if (i == 0 || gbk[i - 1] != '\r') ++bare;
  }
  if (bare == 0) return;
  std::size_t from = gbk.size(), to = gbk.size() + bare;
  gbk.resize(to);
  while (from > 0) {
    const char c = gbk[--from];
    gbk[--to] = c;
    if (c == '\n' && (from == 0 || gbk[from - 1] != '\r')) gbk[--to] = '\r';
  }
}

// Names the character at byte `at` of normalized UTF-8 text: code point, line and column.
std::string DescribeCharacter(std::string_view text, std::size_t at) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < at;) {
    std::size_t len = 1;
    if (text[i] == '\n') {
      ++line, column = 1;
    } else if (text[i] != '\r' || i + 1 >= at || text[i + 1] != '\n') {
      DecodeUtf8(text, i, len);
      ++column;
    }
    i += len;
  }
  std::size_t len = 1;
  const char32_t cp = DecodeUtf8(text, at, len);
  char buf[96];
  std::snprintf(buf, sizeof buf, "U+%04X at line %zu, column %zu", static_cast<unsigned>(cp), line,
                column);
  return buf;
}

bool IsGbkTrail(unsigned char t) { return t >= 0x40 && t <= 0xFE && t != 0x7F; }

// The length of the sequence that an invalid GBK byte at s[i] spoils: a lead byte with a byte of
// the trail range after it is one unassigned character; anything else is one byte.
std::size_t InvalidGbkLength(std::string_view s, std::size_t i) {
  const unsigned char lead = static_cast<unsigned char>(s[i]);
  if (lead >= 0x81 && lead <= 0xFE && i + 1 < s.size() &&
      IsGbkTrail(static_cast<unsigned char>(s[i + 1]))) {
    return 2;
  }
  return 1;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

#ifdef _WIN32

constexpr UINT kGbk = 936;

// Converts the code page 936 sequence s[i..i+len) to UTF-8; false if it is not valid.
bool GbkSequenceToUtf8(std::string_view s, std::string& out) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, s.data(),
                                    static_cast<int>(s.size()), wide, 2);
  if (n <= 0) return false;
  char utf8[8];
  const int m = WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8, sizeof utf8, nullptr, nullptr);
  if (m <= 0) return false;
  out.append(utf8, static_cast<std::size_t>(m));
  return true;
}

#endif

}  // namespace

std::size_t FindZeroByte(std::string_view bytes) {
  const void* z = std::memchr(bytes.data(), 0, bytes.size());
  return z ? static_cast<const char*>(z) - bytes.data() : std::string_view::npos;
}

#ifndef _WIN32

namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of [*in, *in + *left) as it can into `out` (which it grows); returns 0 when
  // everything was converted, or the errno that stopped it with *in at the offending byte.
  int Convert(const char** in, std::size_t* left, std::string& out) {
    while (*left > 0) {
      const std::size_t used = out.size();
      // Room for the whole rest: CP936 takes at most 2 bytes per UTF-8 sequence of 1 to 4, and
      // UTF-8 at most 3 bytes per CP936 character of 1 or 2.
      const std::size_t room = *left + *left / 2 + 16;
      out.resize(used + room);
      char* dst = out.data() + used;
      std::size_t dst_left = room;
      char* src = const_cast<char*>(*in);
      const std::size_t rc = iconv(cd_, &src, left, &dst, &dst_left);
      const int err = rc == static_cast<std::size_t>(-1) ? errno : 0;
      *in = src;
      out.resize(used + (room - dst_left));
      if (err != 0 && err != E2BIG) return err;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool Utf8ToGbk(std::string_view utf8, std::string& gbk, std::string& error) {
  const std::size_t bom = utf8.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  utf8.remove_prefix(bom);
  Iconv cd("CP936", "UTF-8");
  if (!cd.ok()) {
    error = "this system's iconv cannot convert UTF-8 to CP936";
    return false;
  }
  gbk.clear();
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  if (cd.Convert(&in, &left, gbk) != 0) {
    // iconv stops at the first sequence it cannot take: invalid UTF-8, or no GBK form.
    const std::size_t at = static_cast<std::size_t>(in - utf8.data());
    if (const std::size_t bad = FindInvalidUtf8(utf8); bad != std::string_view::npos && bad <= at) {
      error = "invalid UTF-8 at byte offset " + std::to_string(bad + bom);
    } else {
      error = "character " + DescribeCharacter(utf8, at) + " has no GBK form";
    }
    return false;
  }
  LineEndsToCrLf(gbk);
  return true;
}

std::size_t GbkToUtf8(std::string_view gbk, std::string_view line_end, std::string& utf8) {
  Iconv cd("UTF-8", "CP936");
  std::string raw;
  std::size_t replaced = 0;
  const char* in = gbk.data();
  std::size_t left = gbk.size();
  while (left > 0) {
    if (cd.Convert(&in, &left, raw) == 0) break;
    const std::size_t at = static_cast<std::size_t>(in - gbk.data());
    const std::size_t skip = InvalidGbkLength(gbk, at);
    raw.append(kReplacement);
    replaced += skip;
    in += skip;
    left -= skip;
  }
  // "\r\n" to the line end, in place when that is shorter.
  if (line_end == "\r\n") {
    utf8 = std::move(raw);
  } else {
    std::size_t o = 0;
    for (std::size_t i = 0; i < raw.size();) {
      const std::size_t cr = raw.find("\r\n", i);
      const std::size_t end = cr == std::string::npos ? raw.size() : cr;
      std::memmove(raw.data() + o, raw.data() + i, end - i);
      o += end - i;
      if (cr == std::string::npos) break;
      std::memcpy(raw.data() + o, line_end.data(), line_end.size());
      o += line_end.size();
      i = cr + 2;
    }
    raw.resize(o);
    utf8 = std::move(raw);
  }
  return replaced;
}

#else

bool Utf8ToGbk(std::string_view utf8, std::string& gbk, std::string& error) {
  const std::size_t bom = utf8.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  utf8.remove_prefix(bom);
  if (const std::size_t bad = FindInvalidUtf8(utf8); bad != std::string_view::npos) {
    error = "invalid UTF-8 at byte offset " + std::to_string(bad + bom);
    return false;
  }
  const std::string_view text = utf8;
  gbk.clear();
  gbk.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = 1;
    const char32_t cp = DecodeUtf8(text, i, len);
    if (cp < 0x80) {
      gbk.push_back(static_cast<char>(cp));
      i += len;
      continue;
    }
    wchar_t wide[2];
    int wn = 1;
    if (cp >= 0x10000) {
      wide[0] = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
      wide[1] = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      wn = 2;
    } else {
      wide[0] = static_cast<wchar_t>(cp);
    }
    char bytes[4];
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, wn, bytes, sizeof bytes,
                                      nullptr, &lossy);
    if (n <= 0 || lossy) {
      error = "character " + DescribeCharacter(text, i) + " has no GBK form";
      return false;
    }
    gbk.append(bytes, static_cast<std::size_t>(n));
    i += len;
  }
  LineEndsToCrLf(gbk);
  return true;
}

std::size_t GbkToUtf8(std::string_view gbk, std::string_view line_end, std::string& utf8) {
  utf8.clear();
  utf8.reserve(gbk.size() + gbk.size() / 2);
  std::size_t replaced = 0;
  for (std::size_t i = 0; i < gbk.size();) {
    const unsigned char b = static_cast<unsigned char>(gbk[i]);
    if (b == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n') {
      utf8.append(line_end);
      i += 2;
    } else if (b < 0x80) {
      utf8.push_back(static_cast<char>(b));
      ++i;
    } else {
      const std::size_t len = b == 0x80 ? 1 : InvalidGbkLength(gbk, i);
      if (GbkSequenceToUtf8(gbk.substr(i, len), utf8)) {
        i += len;
      } else {
        utf8.append(kReplacement);
        replaced += len;
        i += len;
      }
    }
  }
  return replaced;
}

#endif

}  // namespace quillora::cli
