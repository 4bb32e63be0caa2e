// ToFullWidth, ToHalfWidth and ToInteger against definitions written from their tables.
#include <cstdint>

#include "fuzz-support.h"
#include "quillora/text.h"

using namespace quillora;

namespace {

Text NaiveFullWidth(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char b = static_cast<unsigned char>(t[i]);
    if (b >= 0x80) {
      if (i + 1 >= t.size()) break;
      r.append(t.substr(i, 2));
      i += 2;
      continue;
    }
    if (b == 0x20) {
      r += "\xA1\xA1";
    } else if (b == 0x7E) {
      r += "\xA1\xAB";
    } else if (b >= 0x21 && b <= 0x7D) {
      r += static_cast<char>(0xA3);
      r += static_cast<char>(b | 0x80);
    } else {
      r += static_cast<char>(b);
    }
    ++i;
  }
  return r;
}

Text NaiveHalfWidth(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const unsigned char b = static_cast<unsigned char>(t[i]);
    if (b < 0x80) {
      r += static_cast<char>(b);
      ++i;
      continue;
    }
    if (i + 1 >= t.size()) break;
    const unsigned char c = static_cast<unsigned char>(t[i + 1]);
    if (b == 0xA1 && c == 0xA1) {
      r += ' ';
    } else if (b == 0xA1 && c == 0xAB) {
      r += '~';
    } else if (b == 0xA1 && (c == 0xEE || c == 0xEF)) {
      r += '*';
    } else if (b == 0xA3 && c >= 0xA1 && c <= 0xFE) {
      r += static_cast<char>(c & 0x7F);
    } else {
      r.append(t.substr(i, 2));
    }
    i += 2;
  }
  return r;
}

std::int32_t NaiveInteger(std::string_view t) {
  const Text h = NaiveHalfWidth(t);
  std::size_t i = 0;
  while (i < h.size() && (h[i] == ' ' || (h[i] >= 9 && h[i] <= 13))) ++i;
  bool minus = false;
  if (i < h.size() && (h[i] == '+' || h[i] == '-')) minus = h[i++] == '-';
  std::int64_t v = 0;
  for (; i < h.size() && h[i] >= '0' && h[i] <= '9'; ++i) {
    v = static_cast<std::int64_t>(static_cast<std::uint32_t>(v * 10 + (h[i] - '0')));
  }
  if (minus) v = -v;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Text t = fuzz::AsText(data, size);
  LAW(ToFullWidth(t) == NaiveFullWidth(t), "text", t, "got", ToFullWidth(t));
  LAW(ToHalfWidth(t) == NaiveHalfWidth(t), "text", t, "got", ToHalfWidth(t));
  LAW(ToInteger(t) == NaiveInteger(t), "text", t);
  // Printable ASCII comes back from its full-width form.
  Text ascii;
  for (char c : t) ascii += static_cast<char>(0x20 + static_cast<unsigned char>(c) % 95);
  LAW(ToHalfWidth(ToFullWidth(ascii)) == ascii, "ascii", ascii);
  LAW(ToFullWidth(ascii).size() == 2 * ascii.size(), "ascii", ascii);
  return 0;
}
