// The piece walk behind SplitText, as an iterator so that a generator can visit the lines of a
// text without building a list of them.
#pragma once

#include <cstring>

#include "fast.h"
#include "quillora/text.h"

namespace quillora::detail {

class Splitter {
 public:
  Splitter(TextView t, TextView delimiter) : t_(t), d_(delimiter) {}

  // Stores the next piece and returns true, or returns false when there are no more.
  bool Next(TextView& piece) {
    if (done_) return false;
    if (t_.empty()) return done_ = true, false;
    if (d_.empty()) {
      piece = t_;
      return done_ = true, true;
    }
    const char* s = t_.data();
    const std::size_t n = t_.size();
    const std::size_t d = d_.size();
    if (d == 2) return NextPair(piece, s, n);
    while (n - cur_ >= d) {
      if (std::memcmp(s + cur_, d_.data(), d) == 0) return Emit(piece, cur_ + d);
      if (!Step(s, n)) break;
    }
    return Rest(piece);
  }

 private:
  // Steps over one character; false at a dangling lead byte, which ends the walk.
  bool Step(const char* s, std::size_t n) {
    if (static_cast<unsigned char>(s[cur_]) < 0x80) {
      ++cur_;
      return true;
    }
    if (cur_ + 1 >= n) return false;
    cur_ += 2;
    return true;
  }

  // The same walk for a two-byte delimiter such as "\r\n", the program's only one.
  bool NextPair(TextView& piece, const char* s, std::size_t n) {
    const char d0 = d_[0], d1 = d_[1];
    if (d0 == '\r' && d1 == '\n') {
      // Whole blocks: the first line break at a character start, if any.
      const auto* u = reinterpret_cast<const unsigned char*>(s);
      bool trail_first = false;
      while (cur_ + 65 <= n) {
        const BlockChars c = ScanBlock(u + cur_, trail_first);
        if (const std::uint64_t breaks = LineBreaks(u + cur_, c, u[cur_ + 64])) {
          cur_ += static_cast<std::size_t>(LowestBit(breaks));
          return Emit(piece, cur_ + 2);
        }
        trail_first = c.last_is_lead;
        cur_ += 64;
      }
      if (trail_first) ++cur_;
    }
    while (cur_ + 2 <= n) {
      if (s[cur_] == d0 && s[cur_ + 1] == d1) return Emit(piece, cur_ + 2);
      cur_ += static_cast<unsigned char>(s[cur_]) < 0x80 ? 1 : 2;
    }
    return Rest(piece);
  }

  bool Emit(TextView& piece, std::size_t next) {
    piece = t_.substr(start_, cur_ - start_);
    start_ = cur_ = next;
    return true;
  }

  bool Rest(TextView& piece) {
    done_ = true;
    if (start_ >= t_.size()) return false;
    piece = t_.substr(start_);
    return true;
  }

  TextView t_;
  TextView d_;
  std::size_t start_ = 0;
  std::size_t cur_ = 0;
  bool done_ = false;
};

}  // namespace quillora::detail
