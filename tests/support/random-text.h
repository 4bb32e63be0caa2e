// Random texts for differential tests: mostly Chinese, with ASCII, spaces, line breaks and the
// odd bytes (lone CR and LF, tabs, trail-less lead bytes) that shift the cell boundaries.
#pragma once

#include <random>
#include <string>

namespace quillora::test {

inline std::string RandomText(std::mt19937& rng, std::size_t max_length) {
  static const char* const kPieces[] = {
      "\xD6\xD0", "\xCE\xC4", "\xB9\xFA", "\xBA\xF3", "\xC0\xEF", "\xA1\xB0",
      "\xA1\xB1", "\xA1\xA1", "\xA3\xAC", "\xA3\xC1", "a",        "Z",
      "5",        " ",        "~",        "\r\n",     "\r",       "\n",
      "\t",       "\x7F",     "\xB0",     "\x80",     "\xFF",     "\xB9\r",
  };
  std::uniform_int_distribution<std::size_t> length(0, max_length);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::string s;
  for (std::size_t n = length(rng); s.size() < n;) s += kPieces[piece(rng)];
  return s;
}

}  // namespace quillora::test
