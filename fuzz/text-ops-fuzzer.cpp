// SplitText, RemoveLineBreaks and RemoveAllSpaces against byte-walk definitions, with the laws
// that tie them together.
#include "fuzz-support.h"
#include "quillora/text.h"

using namespace quillora;

namespace {

// The walking rule, one character at a time: returns the character's length at t[i] (2 for a
// lead with a partner, 1 otherwise, 0 for a dangling lead byte).
std::size_t CharAt(std::string_view t, std::size_t i) {
  if (static_cast<unsigned char>(t[i]) < 0x80) return 1;
  return i + 1 < t.size() ? 2 : 0;
}

Text NaiveRemoveLineBreaks(std::string_view t) {
  Text r;
  std::size_t i = 0;
  while (i + 2 <= t.size()) {
    if (t[i] == '\r' && t[i + 1] == '\n') {
      i += 2;
    } else {
      const std::size_t k = CharAt(t, i);
      r.append(t.substr(i, k));
      i += k;
    }
  }
  r.append(t.substr(i));
  return r;
}

Text NaiveRemoveAllSpaces(std::string_view t) {
  Text r;
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t k = CharAt(t, i);
    if (k == 0) break;
    const std::string_view c = t.substr(i, k);
    if (c != " " && c != "\xA1\xA1") r.append(c);
    i += k;
  }
  return r;
}

void CheckSplit(const Text& t, const Text& d) {
  const TextList pieces = SplitText(t, d);
  if (t.empty()) {
    LAW(pieces.empty(), "text", t);
    return;
  }
  if (d.empty()) {
    LAW(pieces.size() == 1 && pieces[0] == t, "text", t);
    return;
  }
  Text joined;
  for (std::size_t k = 0; k < pieces.size(); ++k) joined += (k ? d : "") + pieces[k];
  // A delimiter at the very end makes no trailing empty piece.
  LAW(joined == t || joined + d == t, "text", t, "delimiter", d, "joined", joined);
  for (std::size_t k = 0; k + 1 < pieces.size(); ++k) {
    // Only the last piece can hold the delimiter, and then only inside characters.
    for (std::size_t i = 0; i < pieces[k].size();) {
      LAW(pieces[k].compare(i, d.size(), d) != 0 || i + d.size() > pieces[k].size(), "text", t,
          "delimiter", d, "piece", pieces[k]);
      const std::size_t c = CharAt(pieces[k], i);
      if (c == 0) break;
      i += c;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Text t = fuzz::AsText(data, size);
  LAW(RemoveLineBreaks(t) == NaiveRemoveLineBreaks(t), "text", t, "got", RemoveLineBreaks(t));
  LAW(RemoveAllSpaces(t) == NaiveRemoveAllSpaces(t), "text", t, "got", RemoveAllSpaces(t));
  CheckSplit(t, "\r\n");
  if (!t.empty()) CheckSplit(t.substr(1), t.substr(0, 1 + static_cast<unsigned char>(t[0]) % 3));
  return 0;
}
