// Shared by the fuzz targets: a law that does not hold stops the run with the bytes that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/bytes.h"

#define LAW(cond, ...)                                                             \
  do {                                                                             \
    if (!(cond)) {                                                                 \
      std::fprintf(stderr, "law broken: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      quillora::fuzz::Explain(__VA_ARGS__);                                        \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

namespace quillora::fuzz {

inline void Explain() {}
template <class... Rest>
void Explain(std::string_view label, std::string_view bytes, Rest... rest) {
  std::fprintf(stderr, "  %.*s: %s\n", static_cast<int>(label.size()), label.data(),
               quillora::test::Hex(bytes.substr(0, 400)).c_str());
  Explain(rest...);
}

// A Text holds no zero byte: the fuzzers' inputs lose theirs.
inline std::string AsText(const unsigned char* data, std::size_t size) {
  std::string t;
  t.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] != 0) t.push_back(static_cast<char>(data[i]));
  }
  return t;
}

}  // namespace quillora::fuzz
