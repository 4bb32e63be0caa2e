// SplitText, RemoveLineBreaks and RemoveAllSpaces against byte-walk definitions, with the laws
// that tie them together.
#include "fuzz-support.h"
#include "quillora/text.h"
#include "support/reference.h"

using namespace quillora;
using test::CharAt;
using test::NaiveRemoveAllSpaces;
using test::NaiveRemoveLineBreaks;

namespace {

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
  LAW(SplitText(t, "\r\n") == test::NaiveSplit(t, "\r\n"), "text", t);
  if (!t.empty()) CheckSplit(t.substr(1), t.substr(0, 1 + static_cast<unsigned char>(t[0]) % 3));
  return 0;
}
