// Helpers that make byte mismatches read at a glance.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quillora::test {

// "D6 D0 0D 0A" for the bytes of s.
inline std::string Hex(std::string_view s) {
  std::string r;
  char buf[4];
  for (unsigned char c : s) {
    std::snprintf(buf, sizeof buf, r.empty() ? "%02X" : " %02X", c);
    r += buf;
  }
  return r.empty() ? "(empty)" : r;
}

}  // namespace quillora::test
